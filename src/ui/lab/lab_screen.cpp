#include "ui/lab/lab_screen.h"
#include "ui/lab/chart_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <optional>

#include "core/shipped_names.h"
#include "lab/computer_pilot_note.h"
#include "model/fight_clone.h"
#include "model/shown_doll_name.h"
#include "ui/lab/inspector.h"
#include "ui/lab/result_table.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/screen_fit.h"

namespace velko::ui {

namespace {

constexpr int kChartOpponents = 12;  // the chart shows the worst ones
// Seeds the lab draws itself stay short enough to type in again.
constexpr uint64_t kDrawnSeeds = 1'000'000'000;

// Up to 19 digits: every such number fits the seed.
constexpr int kSeedDigits = 19;

// The seed typed in the box; nothing for a text that is not a seed (the start refuses it).
std::optional<uint64_t> typedSeed(const QString& typed) {
  if (typed.size() > kSeedDigits) return std::nullopt;
  for (const QChar c : typed)
    if (c < u'0' || c > u'9') return std::nullopt;
  return typed.toULongLong();
}

QString percent(double rate) {
  return QString::number(rate * 100, 'f', 1) + "%";
}

QWidget* winRateChart(const std::vector<OpponentTally>& opponents, QWidget* parent) {
  QStringList names;
  std::vector<double> rates;
  const int shown = std::min<int>(kChartOpponents, static_cast<int>(opponents.size()));
  // The worst opponent on top, names reading across.
  for (int k = 0; k < shown; ++k) {
    const OpponentTally& o = opponents[k];
    names.append(q(shownDollName(o.id, o.name)));
    rates.push_back(o.fights > 0 ? 100.0 * o.wins / o.fights : 0.0);
  }
  auto* chart = new RateBarChart(qtTrId("相手ごとの勝率（負けの多い順）"), names, rates, parent);
  chart->setObjectName("chartWinRate");
  return chart;
}

}  // namespace

LabScreen::LabScreen(CareerState& state, CareerServices& services, QWidget* parent)
    : QDialog(parent), state_(state), services_(services) {
  setObjectName("LabScreen");
  setWindowTitle(qtTrId("練習ラボ"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  buildControls();
  fillAgainst();
  resize(1100, 760);
  fitToScreen(this);
}

LabScreen::~LabScreen() {
  run_->stop();
}

void LabScreen::buildControls() {
  auto* outer = new QVBoxLayout(this);
  auto* choose = new QHBoxLayout;
  // A label shows its letter (and Alt+letter reaches the box) only with a buddy.
  auto* againstLabel = new QLabel(qtTrId("相手(&A):"), this);
  choose->addWidget(againstLabel);
  cmbAgainst_ = new QComboBox(this);
  cmbAgainst_->setObjectName("cmbAgainst");
  cmbAgainst_->setMinimumWidth(320);
  againstLabel->setBuddy(cmbAgainst_);
  choose->addWidget(cmbAgainst_);
  auto* fightsLabel = new QLabel(qtTrId("試合数(&N):"), this);
  choose->addWidget(fightsLabel);
  cmbFights_ = new QComboBox(this);
  cmbFights_->setObjectName("cmbFights");
  fightsLabel->setBuddy(cmbFights_);
  cmbFights_->addItem("100", 100);
  cmbFights_->addItem("1,000", 1000);
  cmbFights_->addItem("10,000", 10000);
  cmbFights_->setCurrentIndex(1);
  choose->addWidget(cmbFights_);
  auto* seedLabel = new QLabel(qtTrId("シード(&E):"), this);
  choose->addWidget(seedLabel);
  txtSeed_ = new QLineEdit(this);
  txtSeed_->setObjectName("txtSeed");
  txtSeed_->setPlaceholderText(qtTrId("空なら毎回新しく"));
  txtSeed_->setToolTip(qtTrId("結果に出たシードを打ち込むと、同じDollと相手で同じ結果になります"));
  // The hint shows whole on any screen: the box never gets narrower than its hint.
  const int hintWidth = txtSeed_->fontMetrics().horizontalAdvance(txtSeed_->placeholderText()) + 16;
  txtSeed_->setMinimumWidth(hintWidth);
  txtSeed_->setMaximumWidth(std::max(170, hintWidth));
  seedLabel->setBuddy(txtSeed_);
  choose->addWidget(txtSeed_);
  run_ = new RunStrip(this);
  choose->addWidget(run_->cmdStart());
  choose->addWidget(run_->cmdCancel());
  choose->addStretch();
  outer->addLayout(choose);
  outer->addWidget(run_->progress());

  summary_ = new QLabel(qtTrId("自分のDollを今のまま、選んだ相手と何度も戦わせます。お金、日付、"
                               "ダメージ、戦績、セーブファイルは変わりません。"),
                        this);
  summary_->setObjectName("summary");
  summary_->setWordWrap(true);
  outer->addWidget(summary_);
  auto* pilot = new QLabel(qtTrId(kComputerPilotNote), this);
  pilot->setObjectName("lblPilot");
  pilot->setWordWrap(true);
  outer->addWidget(pilot);

  auto* results = new QGridLayout;
  patterns_ = resultTable(this, {qtTrId("パターン"), qtTrId("選ばれた回数"),
                                 qtTrId("与えたダメージ"), qtTrId("受けたダメージ")});
  patterns_->setObjectName("tablePatterns");
  opponents_ = resultTable(this, {qtTrId("相手"), qtTrId("試合"), qtTrId("勝ち"), qtTrId("負け")});
  opponents_->setObjectName("tableOpponents");
  chartHolder_ = new QWidget(this);
  chartHolder_->setLayout(new QVBoxLayout);
  chartHolder_->layout()->setContentsMargins(0, 0, 0, 0);
  results->addWidget(patterns_, 0, 0);
  results->addWidget(opponents_, 1, 0);
  results->addWidget(chartHolder_, 0, 1, 2, 1);
  results->setColumnStretch(0, 2);
  results->setColumnStretch(1, 3);
  outer->addLayout(results, 1);

  auto* bottom = new QHBoxLayout;
  cmdWorst_ = new QPushButton(qtTrId("最悪の敗戦を振り返る(&W)"), this);
  cmdWorst_->setObjectName("cmdWorst");
  cmdWorst_->setEnabled(false);
  auto* close = new QPushButton(qtTrId("閉じる(&X)"), this);
  bottom->addWidget(cmdWorst_);
  bottom->addStretch();
  bottom->addWidget(close);
  outer->addLayout(bottom);

  connect(run_, &RunStrip::startPressed, this, [this] { start(); });
  connect(cmdWorst_, &QPushButton::clicked, this, &LabScreen::openWorst);
  connect(close, &QPushButton::clicked, this, &LabScreen::reject);
}

// Entries: the three classes, the duel opponent when one is loaded, then every registered
// opponent by number. The item's data is what selectOpponents takes ("" for the duel).
void LabScreen::fillAgainst() {
  for (const char* cls : {"Novice", "Expert", "Master"})
    cmbAgainst_->addItem(QString(qtTrId("クラス %1 の全員")).arg(cls), QString(cls));
  if (state_.duelistState == kDuelistReady && state_.Dolls[1])
    cmbAgainst_->addItem(qtTrId("対戦相手 ") + q(shownDollName(*state_.Dolls[1])), QString());
  try {
    registry_ = registryOpponents(services_.folder);
  } catch (const std::exception& fault) {
    summary_->setText(QString(qtTrId("敵Dollの登録ファイルが読めません: ")) + fault.what());
  }
  for (const PracticeOpponent& o : registry_)
    cmbAgainst_->addItem(QString(qtTrId("%1 %2（価値%3）"))
                             .arg(o.id)
                             .arg(q(shownDollName(*o.doll)))
                             .arg(o.doll->value),
                         QString::number(o.id));
}

void LabScreen::chooseAgainst(const QString& against) {
  const int index = cmbAgainst_->findData(against);
  if (index >= 0) cmbAgainst_->setCurrentIndex(index);
}

std::vector<PracticeOpponent> LabScreen::chosenOpponents() {
  const QString against = cmbAgainst_->currentData().toString();
  std::vector<PracticeOpponent> chosen;
  if (against.isEmpty()) {
    chosen.push_back({0, state_.Dolls[1]});
  } else {
    chosen = selectOpponents(registry_, against.toStdString());
  }
  // The worker fights its own copies; the screens keep the originals.
  for (PracticeOpponent& o : chosen)
    o.doll = cloneForFight(*o.doll);
  return chosen;
}

bool LabScreen::start() {
  if (running()) return false;
  const doll& player = state_.playerDoll();
  if (!player.programed) {
    services_.prompter.msgBox(qtTrId("プログラムを登録して下さい").toStdString());
    return false;
  }
  if (player.Motor->name.empty() || player.frame->name.empty()) {
    services_.prompter.msgBox(qtTrId("Dollにモーターとフレームを付けて下さい").toStdString());
    return false;
  }
  std::vector<PracticeOpponent> opponents;
  try {
    opponents = chosenOpponents();
  } catch (const std::exception& refusal) {
    services_.prompter.msgBox(refusal.what());
    return false;
  }
  const int fights = cmbFights_->currentData().toInt();
  const uint64_t drawn =
      static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) %
      kDrawnSeeds;
  const QString typed = txtSeed_->text().trimmed();
  const std::optional<uint64_t> seed = typed.isEmpty() ? drawn : typedSeed(typed);
  if (!seed) {
    services_.prompter.msgBox(qtTrId("シードは19桁までの数字で打ち込んでください").toStdString());
    return false;
  }
  const PracticeOptions options{.fights = fights, .seed = *seed};
  const DollRef me = cloneForFight(player);
  cmdWorst_->setEnabled(false);
  summary_->setText(qtTrId("試合中…"));
  run_->begin(fights, [this, me, opponents, options] {
    auto result = std::make_shared<PracticeResult>();
    try {
      *result = runPractice(*me, opponents, options, run_->cancelFlag(),
                            [this](int done, int) { run_->report(done); });
    } catch (const std::exception&) {
      result->cancelled = true;
    }
    QMetaObject::invokeMethod(
        this, [this, result] { showResult(result); }, Qt::QueuedConnection);
  });
  return true;
}

void LabScreen::reject() {
  run_->stop();
  QDialog::reject();
}

void LabScreen::showResult(std::shared_ptr<PracticeResult> result) {
  run_->finish();
  result_ = std::move(result);
  const PracticeResult& r = *result_;
  cmdWorst_->setEnabled(r.worstLoss.has_value());
  run_->progress()->setValue(r.fights);
  summary_->setText(
      qtTrId("%1%2試合: 勝ち%3 負け%4 引き分け%5　勝率 %6（95%の範囲 %7 ～ %8）　"
             "試合の長さ 平均%9手（標準偏差%10）　シード %11")
          .arg(r.cancelled ? qtTrId("中止までの ") : "")
          .arg(r.fights)
          .arg(r.wins)
          .arg(r.losses)
          .arg(r.draws)
          .arg(percent(r.winRate.rate), percent(r.winRate.low), percent(r.winRate.high))
          .arg(r.steps.mean(), 0, 'f', 1)
          .arg(r.steps.deviation(), 0, 'f', 1)
          .arg(static_cast<qulonglong>(r.seed)));

  const doll& player = state_.playerDoll();
  patterns_->setRowCount(static_cast<int>(r.patterns.size()));
  for (int k = 0; k < static_cast<int>(r.patterns.size()); ++k) {
    const PatternTally& t = r.patterns[k];
    const LogicRef& p = k < 6 ? player.getLogic(k) : nullptr;
    const QString name = k < 6 ? QString("%1 %2").arg(k + 1).arg(p ? q(p->name) : QString())
                               : QString(qtTrId("様子見"));
    setResultRow(
        patterns_, k,
        {name, QString::number(t.chosen), QString::number(t.dealt), QString::number(t.taken)});
  }
  opponents_->setRowCount(static_cast<int>(r.opponents.size()));
  for (int k = 0; k < static_cast<int>(r.opponents.size()); ++k) {
    const OpponentTally& o = r.opponents[k];
    setResultRow(opponents_, k,
                 {QString("%1 %2").arg(o.id).arg(q(shownDollName(o.id, o.name))),
                  QString::number(o.fights), QString::number(o.wins), QString::number(o.losses)});
  }
  QLayoutItem* old = chartHolder_->layout()->takeAt(0);
  if (old) {
    delete old->widget();
    delete old;
  }
  chartHolder_->layout()->addWidget(winRateChart(r.opponents, chartHolder_));
  emit finished();
}

void LabScreen::openWorst() {
  if (!result_ || !result_->worstLoss) return;
  Inspector inspector(*result_->worstLoss, services_.folder, this);
  inspector.exec();
}

}  // namespace velko::ui
