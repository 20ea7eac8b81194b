#include "ui/workshop/career_summary.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "battle/battle_state.h"
#include "core/shipped_names.h"
#include "replay/replay_folder.h"
#include "ui/lab/inspector.h"
#include "ui/widgets/screen_fit.h"
#include "ui/workshop/hall_of_fame_view.h"
#include "ui/workshop/history_charts.h"

namespace velko::ui {

namespace {

constexpr size_t kBestShown = 5;

QString summaryModeText(int16_t mode) {
  if (mode == kModeStreet) return qtTrId("シミュレーション");
  if (mode == kModeDuel) return qtTrId("対戦");
  return qtTrId("トーナメント");
}

QString fightText(const HistoryFight& f) {
  QString text = qtTrId("%1  %2（価値%3）に勝利")
                     .arg(summaryModeText(f.mode),
                          QString::fromStdString(shownDollName(f.opponentID, f.opponent)))
                     .arg(f.opponentValue);
  if (f.replay.empty()) text += qtTrId("（リプレイなし）");
  return text;
}

QString partText(const std::string& name) {
  return name.empty() ? QString("-") : QString::fromStdString(shownPartName(name));
}

// The Doll as the career left it: its name and every part.
QString buildText(const doll& d) {
  QStringList boosters;
  QStringList protectors;
  for (int i = 0; i < DollBuild::kBoosters; ++i) {
    if (d.getBoost(i) && !d.getBoost(i)->name.empty()) boosters << partText(d.getBoost(i)->name);
  }
  for (int i = 0; i < DollBuild::kProtectors; ++i) {
    if (d.getProtector(i) && !d.getProtector(i)->name.empty())
      protectors << partText(d.getProtector(i)->name);
  }
  return qtTrId(
             "%1（価値%2）\nモーター: %3\nフレーム: %4\nコンピュータ: %5\nブースター: %6\n"
             "プロテクタ: %7")
      .arg(QString::fromStdString(d.name))
      .arg(d.value)
      .arg(partText(d.Motor->name), partText(d.frame->name), partText(d.Hard->name),
           boosters.isEmpty() ? QString("-") : boosters.join(", "),
           protectors.isEmpty() ? QString("-") : protectors.join(", "));
}

}  // namespace

CareerSummary::CareerSummary(const CareerState& state, const GameFolder& folder, Prompter& prompter,
                             QWidget* parent)
    : QDialog(parent),
      folder_(folder),
      prompter_(prompter),
      fights_(velko::bestFights(state.history, kBestShown)) {
  setObjectName("CareerSummary");
  setWindowTitle(qtTrId("2年間の戦績"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  auto* totals = new QLabel(historyTotalsText(state.history), this);
  totals->setObjectName("historyTotals");
  layout->addWidget(totals);
  // A game saved before histories were kept has its history from the month it was loaded.
  if (!state.history.months.empty() && state.history.months.front().month > 0) {
    const int first = state.history.months.front().month;
    auto* since =
        new QLabel(qtTrId("戦績は%1から記録されています").arg(historyMonthText(first)), this);
    since->setObjectName("historySince");
    layout->addWidget(since);
  }
  auto* columns = new QHBoxLayout;
  columns->addWidget(new HistoryCharts(state.history, this), 3);
  columns->addWidget(buildSide(state), 2);
  layout->addLayout(columns, 1);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* title = buttons->addButton(qtTrId("タイトルへ(&T)"), QDialogButtonBox::AcceptRole);
  title->setObjectName("cmdTitle");
  // Return leads on to the title; the list opens a fight only when the player chose one.
  title->setDefault(true);
  title->setFocus();
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(1180, 720);
  fitToScreen(this);
}

QWidget* CareerSummary::buildSide(const CareerState& state) {
  auto* side = new QWidget(this);
  auto* layout = new QVBoxLayout(side);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* titles = new QLabel(qtTrId("優勝%1回").arg(state.Owners[0]->recChamp), side);
  titles->setObjectName("summaryTitles");
  QFont big = titles->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  titles->setFont(big);
  layout->addWidget(titles);

  auto* fightsBox = new QGroupBox(qtTrId("ベストバウト（ダブルクリックで振り返る）"), side);
  auto* fightsLayout = new QVBoxLayout(fightsBox);
  best_ = new QListWidget(fightsBox);
  best_->setObjectName("listBestFights");
  for (const HistoryFight& f : fights_)
    best_->addItem(fightText(f));
  if (fights_.empty()) best_->addItem(qtTrId("勝った試合はありません"));
  best_->setCurrentRow(0);
  connect(best_, &QListWidget::itemActivated, this, [this] { openChosen(); });
  fightsLayout->addWidget(best_);
  layout->addWidget(fightsBox);

  auto* buildBox = new QGroupBox(qtTrId("最後のDoll"), side);
  auto* buildLayout = new QVBoxLayout(buildBox);
  auto* build = new QLabel(buildText(*state.Dolls[0]), buildBox);
  build->setObjectName("summaryBuild");
  build->setWordWrap(true);
  buildLayout->addWidget(build);
  layout->addWidget(buildBox);

  auto* hallBox = new QGroupBox(qtTrId("殿堂"), side);
  auto* hallLayout = new QVBoxLayout(hallBox);
  hallLayout->addWidget(new HallOfFameView(folder_, hallBox));
  layout->addWidget(hallBox, 1);
  return side;
}

bool CareerSummary::openChosen() {
  const int row = best_->currentRow();
  if (row < 0 || row >= static_cast<int>(fights_.size())) return false;
  const HistoryFight& f = fights_[static_cast<size_t>(row)];
  const std::filesystem::path file = replayFolder(folder_) / f.replay;
  if (f.replay.empty() || !std::filesystem::exists(file)) {
    prompter_.msgBox(qtTrId("この試合のリプレイは残っていません").toStdString());
    return false;
  }
  const ReplayParse parse = loadReplay(file);
  if (!parse.recording) {
    prompter_.msgBox(parse.error);
    return false;
  }
  Inspector inspector(*parse.recording, folder_, this);
  inspector.exec();
  return true;
}

}  // namespace velko::ui
