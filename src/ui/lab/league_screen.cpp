#include "ui/lab/league_screen.h"
#include "ui/lab/chart_widgets.h"
#include "ui/lab/colour_scale.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "league/league_candidates.h"
#include "league/league_store.h"
#include "league/league_table.h"
#include "model/shown_doll_name.h"
#include "ui/lab/inspector.h"
#include "ui/lab/result_table.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/screen_fit.h"

namespace velko::ui {

namespace {

constexpr const char* kLeagueFilter = QT_TRID_NOOP("リーグファイル (*.velkoleague)");
constexpr int kTextRole = Qt::UserRole;

std::filesystem::path toPath(const QString& name) {
  return std::filesystem::path(name.toStdU16String());
}

QString signedPoints(double x) {
  return (x >= 0 ? "+" : "") + QString::number(x, 'f', 0);
}

}  // namespace

LeagueScreen::LeagueScreen(CareerState& state, CareerServices& services, QWidget* parent)
    : QDialog(parent), state_(state), services_(services) {
  setObjectName("LeagueScreen");
  setWindowTitle(qtTrId("リーグ"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  buildControls();
  fillEntrants();
  // As tall as the practice lab, so that a 1280x800 screen holds it with its frame.
  resize(1200, 760);
  fitToScreen(this);
}

LeagueScreen::~LeagueScreen() {
  run_->stop();
}

void LeagueScreen::buildControls() {
  auto* outer = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  auto* entrantsLabel = new QLabel(qtTrId("参加するDoll(&E):"), this);
  left->addWidget(entrantsLabel);
  entrants_ = new QListWidget(this);
  entrants_->setObjectName("listEntrants");
  entrants_->setMinimumWidth(280);
  entrantsLabel->setBuddy(entrants_);
  left->addWidget(entrants_, 1);
  auto* folder = new QPushButton(qtTrId("フォルダのDollファイルを追加(&F)..."), this);
  folder->setObjectName("cmdFolder");
  left->addWidget(folder);
  auto* fightsRow = new QHBoxLayout;
  auto* fightsLabel = new QLabel(qtTrId("1組の試合数(&N):"), this);
  cmbFights_ = new QComboBox(this);
  cmbFights_->setObjectName("cmbFights");
  fightsLabel->setBuddy(cmbFights_);
  for (int n : {10, 100, 1000})
    cmbFights_->addItem(QString::number(n), n);
  cmbFights_->setCurrentIndex(1);
  fightsRow->addWidget(fightsLabel);
  fightsRow->addWidget(cmbFights_);
  left->addLayout(fightsRow);
  auto* runRow = new QHBoxLayout;
  run_ = new RunStrip(this);
  runRow->addWidget(run_->cmdStart());
  runRow->addWidget(run_->cmdCancel());
  left->addLayout(runRow);
  auto* fileRow = new QHBoxLayout;
  auto* open = new QPushButton(qtTrId("開く(&O)..."), this);
  open->setObjectName("cmdOpen");
  auto* save = new QPushButton(qtTrId("保存(&V)..."), this);
  save->setObjectName("cmdSave");
  fileRow->addWidget(open);
  fileRow->addWidget(save);
  left->addLayout(fileRow);
  auto* close = new QPushButton(qtTrId("閉じる(&X)"), this);
  left->addWidget(close);
  outer->addLayout(left);

  auto* right = new QVBoxLayout;
  right->addWidget(run_->progress());
  summary_ = new QLabel(
      qtTrId("選んだDollどうしが総当たりで戦います。レーティングはすべての結果から求め、"
             "±は95%の範囲です。お金、日付、ダメージ、戦績、セーブファイルは変わりません。"),
      this);
  summary_->setObjectName("summary");
  summary_->setWordWrap(true);
  right->addWidget(summary_);
  ratings_ = resultTable(
      this, {qtTrId("順位"), "Doll", qtTrId("レーティング"), qtTrId("95%の範囲"), qtTrId("試合"),
             qtTrId("勝ち"), qtTrId("負け"), qtTrId("引き分け"), qtTrId("平均得点")});
  ratings_->setObjectName("tableRatings");
  right->addWidget(ratings_, 3);
  auto* crossLabel = new QLabel(
      qtTrId("勝率の対戦表（行のDollから見て。セルをクリックすると最悪の敗戦を振り返ります）"),
      this);
  right->addWidget(crossLabel);
  cross_ = new QTableWidget(this);
  cross_->setObjectName("tableCross");
  cross_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  cross_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  right->addWidget(cross_, 3);
  chartHolder_ = new QWidget(this);
  chartHolder_->setLayout(new QVBoxLayout);
  chartHolder_->layout()->setContentsMargins(0, 0, 0, 0);
  chartHolder_->setMinimumHeight(220);
  right->addWidget(chartHolder_, 3);
  outer->addLayout(right, 1);

  connect(folder, &QPushButton::clicked, this, [this] {
    const QString dir =
        QFileDialog::getExistingDirectory(this, qtTrId("Dollファイルのフォルダ"), QDir::homePath());
    if (!dir.isEmpty()) addFolder(dir);
  });
  connect(run_, &RunStrip::startPressed, this, [this] { start(); });
  connect(open, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getOpenFileName(this, qtTrId("リーグを開く"),
                                                      QDir::homePath(), qtTrId(kLeagueFilter));
    if (!path.isEmpty()) openLeague(path);
  });
  connect(save, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getSaveFileName(this, qtTrId("リーグの保存"),
                                                      QDir::home().filePath("league.velkoleague"),
                                                      qtTrId(kLeagueFilter));
    if (!path.isEmpty()) saveLeague(path);
  });
  connect(close, &QPushButton::clicked, this, &LeagueScreen::reject);
  connect(cross_, &QTableWidget::cellClicked, this, &LeagueScreen::openWorstLoss);
}

void LeagueScreen::addEntrantItem(const QString& label, const std::string& text, bool checked) {
  for (int k = 0; k < entrants_->count(); ++k) {
    if (entrants_->item(k)->data(kTextRole).toByteArray().toStdString() == text) return;
  }
  auto* item = new QListWidgetItem(label, entrants_);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  item->setData(kTextRole, QByteArray::fromStdString(text));
}

// The league's entrants first (checked), then the player's Doll and the registry's.
void LeagueScreen::fillEntrants() {
  entrants_->clear();
  for (size_t k = 0; k < league_.entrants.size(); ++k)
    addEntrantItem(nameOf(static_cast<int>(k)), league_.entrants[k], true);
  const PlayerCandidate mine =
      playerCandidate(services_.folder, state_.player(), state_.playerDoll());
  if (mine.accepted()) {
    addEntrantItem(qtTrId("自分のDoll ") + q(shownDollName(state_.playerDoll())), mine.text,
                   league_.entrants.empty());
  } else {
    auto* item = new QListWidgetItem(qtTrId("自分のDoll（参加できません）"), entrants_);
    item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    item->setToolTip(q(mine.refusal));
  }
  try {
    for (const RegistryCandidate& o : registryCandidates(services_.folder))
      addEntrantItem(QString(qtTrId("敵 %1 %2（価値%3）"))
                         .arg(o.id)
                         .arg(q(shownDollName(*o.doll)))
                         .arg(o.doll->value),
                     o.text, false);
  } catch (const std::exception& fault) {
    summary_->setText(QString(qtTrId("敵Dollの登録ファイルが読めません: ")) + fault.what());
  }
}

void LeagueScreen::addFolder(const QString& folder) {
  const FolderCandidates found = folderCandidates(services_.folder, toPath(folder));
  for (const FileCandidate& file : found.accepted)
    addEntrantItem(qtTrId("%1（%2）").arg(q(shownDollName(*file.doll)), q(file.fileName)),
                   file.text, true);
  if (found.refused.empty()) return;
  std::string lines;
  for (const std::string& line : found.refused)
    lines += (lines.empty() ? "" : "\n") + line;
  services_.prompter.msgBox(lines);
}

std::vector<std::string> LeagueScreen::checkedTexts() const {
  std::vector<std::string> texts;
  for (int k = 0; k < entrants_->count(); ++k) {
    const QListWidgetItem* item = entrants_->item(k);
    if (item->checkState() == Qt::Checked)
      texts.push_back(item->data(kTextRole).toByteArray().toStdString());
  }
  return texts;
}

bool LeagueScreen::start() {
  if (running()) return false;
  std::vector<int> chosen;
  try {
    chosen = joinEntrants(services_.folder, league_, dolls_, checkedTexts());
  } catch (const std::exception& refusal) {
    services_.prompter.msgBox(refusal.what());
    return false;
  }
  if (chosen.size() < 2) {
    services_.prompter.msgBox(qtTrId("2体以上のDollを選んで下さい").toStdString());
    return false;
  }
  std::vector<DollRef> dolls;
  for (int e : chosen)
    dolls.push_back(dolls_[static_cast<size_t>(e)]);
  const RoundRobinOptions options{
      .fightsPerPair = cmbFights_->currentData().toInt(),
      .seed = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
  const long total =
      static_cast<long>(chosen.size() * (chosen.size() - 1) / 2) * options.fightsPerPair;
  summary_->setText(QString(qtTrId("%1体の総当たり、%2試合…")).arg(chosen.size()).arg(total));
  run_->begin(static_cast<int>(total), [this, dolls, chosen, options] {
    auto run = std::make_shared<LeagueRun>();
    try {
      *run = runRoundRobin(dolls, chosen, options, run_->cancelFlag(),
                           [this](long done, long) { run_->report(static_cast<int>(done)); });
    } catch (const std::exception&) {
      run->cancelled = true;
    }
    QMetaObject::invokeMethod(
        this, [this, run] { finishRun(run); }, Qt::QueuedConnection);
  });
  return true;
}

void LeagueScreen::reject() {
  run_->stop();
  QDialog::reject();
}

void LeagueScreen::finishRun(std::shared_ptr<LeagueRun> run) {
  run_->finish();
  if (run->cancelled) {
    summary_->setText(qtTrId("中止しました。この回の結果はリーグに記録しません。"));
  } else {
    league_.runs.push_back(*run);
    summary_->setText(
        QString(qtTrId("第%1回を記録しました。レーティングはすべての回の結果から求めています。"))
            .arg(league_.runs.size()));
  }
  showTables();
  emit finished();
}

QString LeagueScreen::nameOf(int entrant) const {
  const size_t k = static_cast<size_t>(entrant);
  if (k < dolls_.size() && dolls_[k]) return q(shownDollName(*dolls_[k]));
  return q(entrantName(services_.folder, league_.entrants[k]));
}

void LeagueScreen::showTables() {
  const LeagueTable t = leagueTable(league_);
  rowEntrants_.clear();
  ratings_->setRowCount(static_cast<int>(t.rows.size()));
  QStringList names;
  for (int k = 0; k < static_cast<int>(t.rows.size()); ++k) {
    const StandingRow& r = t.rows[k];
    rowEntrants_.push_back(r.entrant);
    names << nameOf(r.entrant);
    setResultRow(ratings_, k,
                 {QString::number(k + 1), names.back(), signedPoints(r.rating.elo),
                  "±" + QString::number(r.rating.margin, 'f', 0), QString::number(r.games),
                  QString::number(r.wins), QString::number(r.losses), QString::number(r.draws),
                  QString::number(r.averageScore * 100, 'f', 1) + "%"});
    ratings_->item(k, 1)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  const int n = static_cast<int>(t.rows.size());
  cross_->clear();
  cross_->setRowCount(n);
  cross_->setColumnCount(n);
  // The columns are headed by the rows' numbers, so ten entrants fit side by side.
  QStringList numbers;
  QStringList numbered;
  for (int k = 0; k < n; ++k) {
    numbers << QString::number(k + 1);
    numbered << QString::number(k + 1) + " " + names[k];
  }
  cross_->setHorizontalHeaderLabels(numbers);
  cross_->setVerticalHeaderLabels(numbered);
  for (int k = 0; k < n; ++k) cross_->horizontalHeaderItem(k)->setToolTip(names[k]);
  for (int x = 0; x < n; ++x) {
    for (int y = 0; y < n; ++y) {
      const CrossCell& c = t.cells[x][y];
      const bool played = x != y && c.tally.fights > 0;
      auto* item = new QTableWidgetItem(played ? QString::number(c.tally.scoreA() * 100, 'f', 0) +
                                                     "%" + deviationMark(c.deviation)
                                               : QString("—"));
      item->setTextAlignment(Qt::AlignCenter);
      if (played) {
        const QColor colour = deviationColour(c.deviation);
        item->setBackground(colour);
        item->setForeground(colour.lightness() > 110 ? QColor(13, 17, 25) : QColor(255, 255, 255));
        item->setToolTip(
            QString(qtTrId("%1 対 %2: %3勝 %4敗 %5分\nレーティングからの期待 %6%（差 %7σ）"))
                .arg(names[x], names[y])
                .arg(c.tally.winsA)
                .arg(c.tally.winsB)
                .arg(c.tally.draws)
                .arg(c.expected * 100, 0, 'f', 0)
                .arg(c.deviation, 0, 'f', 1));
      }
      cross_->setItem(x, y, item);
    }
  }
  showHistory();
}

void LeagueScreen::showHistory() {
  const auto history = ratingHistory(league_);
  const int lastRun = std::max(2, static_cast<int>(history.size()));
  double low = -100;
  double high = 100;
  std::vector<LineChart::Series> lines;
  for (size_t e = 0; e < league_.entrants.size(); ++e) {
    LineChart::Series line{nameOf(static_cast<int>(e)), {}};
    for (size_t r = 0; r < history.size(); ++r) {
      if (!history[r][e]) continue;
      line.points.emplace_back(static_cast<qreal>(r + 1), *history[r][e]);
      low = std::min(low, *history[r][e]);
      high = std::max(high, *history[r][e]);
    }
    if (!line.points.empty()) lines.push_back(std::move(line));
  }
  auto* view = new LineChart(qtTrId("回ごとのレーティング"), qtTrId("回"), qtTrId("レーティング"),
                             1, lastRun, std::floor(low / 50) * 50, std::ceil(high / 50) * 50,
                             std::move(lines), chartHolder_);
  view->setObjectName("chartHistory");
  QLayoutItem* old = chartHolder_->layout()->takeAt(0);
  if (old) {
    delete old->widget();
    delete old;
  }
  chartHolder_->layout()->addWidget(view);
}

bool LeagueScreen::openLeague(const QString& path) {
  if (running()) return false;
  const LeagueRead read = openLeagueFile(toPath(path));
  if (!read.accepted()) {
    services_.prompter.msgBox(qtTrId("リーグを開けません\n").toStdString() + read.error);
    return false;
  }
  std::vector<DollRef> dolls;
  try {
    dolls = entrantDolls(services_.folder, read.league);
  } catch (const std::exception& refusal) {
    services_.prompter.msgBox(qtTrId("リーグを開けません\n").toStdString() + refusal.what());
    return false;
  }
  league_ = read.league;
  dolls_ = std::move(dolls);
  fillEntrants();
  showTables();
  summary_->setText(QString(qtTrId("%1体、%2回分のリーグを開きました。"))
                        .arg(league_.entrants.size())
                        .arg(league_.runs.size()));
  return true;
}

bool LeagueScreen::saveLeague(const QString& path) {
  if (league_.runs.empty()) {
    services_.prompter.msgBox(qtTrId("まだ試合をしていません").toStdString());
    return false;
  }
  const std::string error = saveLeagueFile(toPath(path), league_);
  if (!error.empty()) {
    services_.prompter.msgBox(qtTrId("保存できません\n").toStdString() + error);
    return false;
  }
  summary_->setText(qtTrId("保存しました: ") + path);
  return true;
}

void LeagueScreen::openWorstLoss(int row, int column) {
  if (row == column || row < 0 || column < 0 ||
      static_cast<size_t>(std::max(row, column)) >= rowEntrants_.size())
    return;
  const std::optional<FightRecording> loss =
      pairWorstLoss(league_, dolls_, rowEntrants_[static_cast<size_t>(row)],
                    rowEntrants_[static_cast<size_t>(column)]);
  if (!loss) {
    services_.prompter.msgBox(qtTrId("この相手には負けていません").toStdString());
    return;
  }
  Inspector inspector(*loss, services_.folder, this);
  inspector.exec();
}

}  // namespace velko::ui
