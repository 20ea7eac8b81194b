#include "ui/lab/replay_list.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimeZone>
#include <QVBoxLayout>
#include <set>

#include "model/shown_doll_name.h"
#include "replay/replay_export.h"
#include "replay/replay_folder.h"
#include "ui/lab/inspector.h"
#include "ui/widgets/screen_fit.h"

namespace velko::ui {

namespace {

// The extension the file dialogs offer for exported replays.
constexpr const char* kReplayFilter =
    QT_TRID_NOOP("リプレイファイル (*.velkoreplay);;すべてのファイル (*)");

QString modeText(int16_t mode) {
  if (mode == kModeStreet) return qtTrId("シミュレーション");
  if (mode == kModeDuel) return qtTrId("対戦");
  return qtTrId("トーナメント");
}

QString outcomeText(int16_t winner) {
  if (winner == 0) return qtTrId("勝利");
  if (winner == 1) return qtTrId("敗北");
  return qtTrId("中断");
}

// "2026/12/07 20:52:03" in the player's local time from the file name's UTC time; a name
// that holds no time shows as it is.
QString localTime(const QString& stamp) {
  QDateTime utc = QDateTime::fromString(stamp, "yyyyMMdd-HHmmss");
  if (!utc.isValid()) return stamp;
  utc.setTimeZone(QTimeZone::utc());
  return utc.toLocalTime().toString("yyyy/MM/dd HH:mm:ss");
}

// When the fight was recorded, and what the file holds; the winner as the file says (-2 when
// it cannot be read).
QString describe(const std::filesystem::path& file, int16_t& winner) {
  const std::string stem = file.filename().string();
  const QString when = localTime(QString::fromStdString(stem.substr(0, 15)));
  const ReplayParse parse = loadReplay(file);
  winner = -2;
  if (!parse.recording) return when + qtTrId("  （読めないファイル）");
  const FightRecording& r = *parse.recording;
  winner = r.winner;
  return QString(qtTrId("%1  %2  %3 対 %4  %5（%6手）"))
      .arg(when, modeText(r.mode), QString::fromStdString(shownDollName(*r.fighters[0])),
           QString::fromStdString(shownDollName(*r.fighters[1])), outcomeText(r.winner))
      .arg(r.steps);
}

}  // namespace

ReplayList::ReplayList(const GameFolder& folder, Prompter& prompter, QWidget* parent,
                       std::optional<std::vector<std::string>> career)
    : QDialog(parent), folder_(folder), prompter_(prompter) {
  const std::set<std::string> ours =
      career ? std::set<std::string>(career->begin(), career->end()) : std::set<std::string>();
  for (const auto& file : listReplays(folder)) {
    Entry e;
    e.file = file;
    e.text = describe(file, e.winner);
    e.career = ours.count(file.filename().string()) > 0;
    entries_.push_back(e);
  }
  setObjectName("ReplayList");
  setWindowTitle(qtTrId("記録した試合"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(qtTrId("振り返る試合を選んで下さい（新しい順、最新100試合）"), this));
  if (career) {
    filter_ = new QComboBox(this);
    filter_->setObjectName("cmbFilter");
    filter_->addItems({qtTrId("この経歴の試合"), qtTrId("すべての試合")});
    connect(filter_, &QComboBox::currentIndexChanged, this,
            [this](int index) { showFights(index == 0); });
    layout->addWidget(filter_);
  }
  list_ = new QListWidget(this);
  list_->setObjectName("listReplays");
  layout->addWidget(list_);
  counts_ = new QLabel(this);
  counts_->setObjectName("lblCounts");
  layout->addWidget(counts_);
  auto* buttons = new QDialogButtonBox(this);
  open_ = buttons->addButton(qtTrId("振り返る(&O)"), QDialogButtonBox::AcceptRole);
  open_->setObjectName("cmdOpen");
  export_ = buttons->addButton(qtTrId("書き出し(&E)..."), QDialogButtonBox::ActionRole);
  export_->setObjectName("cmdExport");
  connect(export_, &QPushButton::clicked, this, [this] { exportChosen(); });
  QPushButton* openFile =
      buttons->addButton(qtTrId("ファイルから開く(&F)..."), QDialogButtonBox::ActionRole);
  openFile->setObjectName("cmdOpenFile");
  connect(openFile, &QPushButton::clicked, this, [this] { openExported(); });
  showFights(career.has_value());
  buttons->addButton(qtTrId("閉じる(&C)"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { openChosen(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::itemActivated, this, [this] { openChosen(); });
  resize(720, 480);
  fitToScreen(this);
  choosePath = [this](bool save, const QString& suggested) {
    if (save)
      return QFileDialog::getSaveFileName(this, qtTrId("試合の書き出し"), suggested,
                                          qtTrId(kReplayFilter));
    return QFileDialog::getOpenFileName(this, qtTrId("リプレイファイルを開く"), QDir::homePath(),
                                        qtTrId(kReplayFilter));
  };
}

void ReplayList::showFights(bool careerOnly) {
  list_->clear();
  shown_.clear();
  int won = 0, lost = 0, givenUp = 0;
  for (size_t k = 0; k < entries_.size(); ++k) {
    const Entry& e = entries_[k];
    if (careerOnly && !e.career) continue;
    shown_.push_back(k);
    list_->addItem(e.text);
    won += e.winner == 0 ? 1 : 0;
    lost += e.winner == 1 ? 1 : 0;
    givenUp += e.winner == kNoWinner ? 1 : 0;
  }
  if (!shown_.empty()) list_->setCurrentRow(0);
  open_->setEnabled(!shown_.empty());
  export_->setEnabled(!shown_.empty());
  counts_->setText(
      qtTrId("%1試合　勝利%2　敗北%3　中断%4").arg(shown_.size()).arg(won).arg(lost).arg(givenUp));
}

bool ReplayList::openChosen() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(shown_.size())) return false;
  const ReplayParse parse = loadReplay(entries_[shown_[static_cast<size_t>(row)]].file);
  if (!parse.recording) {
    prompter_.msgBox(parse.error);
    return false;
  }
  Inspector inspector(*parse.recording, folder_, this);
  inspector.exec();
  return true;
}

bool ReplayList::exportChosen() {
  const int row = list_->currentRow();
  if (row < 0 || row >= static_cast<int>(shown_.size())) return false;
  const std::filesystem::path& file = entries_[shown_[static_cast<size_t>(row)]].file;
  const ReplayParse parse = loadReplay(file);
  if (!parse.recording) {
    prompter_.msgBox(parse.error);
    return false;
  }
  // The recording's own name, with the ending another player's game opens.
  const QString suggested =
      QDir::home().filePath(QString::fromStdString(file.stem().string()) + kReplayExportEnding);
  const QString name = choosePath(true, suggested);
  if (name.isEmpty()) return false;
  const std::filesystem::path path(name.toStdU16String());
  const std::string refusal = saveReplayExport(path, *parse.recording);
  if (!refusal.empty()) {
    prompter_.msgBox(refusal);
    return false;
  }
  prompter_.msgBox(qtTrId("%1を書き出しました")
                       .arg(QString::fromStdU16String(path.filename().u16string()))
                       .toStdString());
  return true;
}

bool ReplayList::openExported() {
  const QString name = choosePath(false, QString());
  if (name.isEmpty()) return false;
  return inspectReplayFile(std::filesystem::path(name.toStdU16String()), folder_, prompter_, *this);
}

bool inspectReplayFile(const std::filesystem::path& path, const GameFolder& folder,
                       Prompter& prompter, QWidget& owner) {
  const ReplayParse parse = openReplayExport(path);
  if (!parse.recording) {
    prompter.msgBox(parse.error);
    return false;
  }
  Inspector inspector(*parse.recording, folder, &owner);
  inspector.exec();
  return true;
}

}  // namespace velko::ui
