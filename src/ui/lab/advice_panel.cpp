#include "ui/lab/advice_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "lab/computer_pilot_note.h"
#include "model/fight_clone.h"
#include "ui/lab/lab_screen.h"

namespace velko::ui {

namespace {

const char* const kAdviceStyle =
    "#AdvicePanel { background: #1d2638; border: 1px solid #3b4966; border-radius: 5px; }"
    "#AdvicePanel QLabel { color: #e6ecf5; background: transparent; border: none;"
    "  padding: 0; font-size: 13px; font-weight: normal; }";

}  // namespace

AdvicePanel::AdvicePanel(CareerState& state, CareerServices& services, const std::string& className,
                         const std::vector<PracticeOpponent>& opponents, QWidget* parent)
    : QWidget(parent), state_(state), services_(services), className_(className) {
  setObjectName("AdvicePanel");
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet(kAdviceStyle);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(10, 6, 10, 6);
  auto* row = new QHBoxLayout;
  column->addLayout(row);
  text_ = new QLabel(qtTrId("見通しを計算中…"), this);
  text_->setObjectName("dspAdvice");
  // Room for the longest hardest-opponent line (a twelve-character name) on two lines.
  text_->ensurePolished();
  const QFontMetrics metrics = text_->fontMetrics();
  text_->setMinimumSize(
      metrics.horizontalAdvance(
          qtTrId("いちばん手強いのは%1（およそ100%）").arg(QString(12, QChar(0x30A2)))),
      2 * metrics.lineSpacing());
  text_->setToolTip(
      qtTrId("練習ラボと同じ戦いで、各相手と%1試合した結果です").arg(kAdviceFightsEach));
  cmdLab_ = new QPushButton(qtTrId("練習ラボで確かめる(&L)"), this);
  cmdLab_->setObjectName("cmdAdviceLab");
  row->addWidget(text_, 1);
  row->addWidget(cmdLab_);
  auto* pilot = new QLabel(qtTrId(kComputerPilotNote), this);
  pilot->setObjectName("dspAdvicePilot");
  pilot->setWordWrap(true);
  pilot->setStyleSheet("font-size: 11px;");
  column->addWidget(pilot);
  connect(cmdLab_, &QPushButton::clicked, this, &AdvicePanel::openLab);
  start(opponents);
}

AdvicePanel* AdvicePanel::forClass(CareerState& state, CareerServices& services,
                                   const std::string& className, QWidget* parent) {
  std::vector<PracticeOpponent> opponents;
  QString fault;
  try {
    opponents = selectOpponents(registryOpponents(services.folder), className);
  } catch (const std::exception& refusal) {
    fault = QString::fromStdString(refusal.what());
  }
  auto* panel = new AdvicePanel(state, services, className, opponents, parent);
  if (!fault.isEmpty()) panel->text_->setText(qtTrId("見通しを出せません: %1").arg(fault));
  return panel;
}

AdvicePanel::~AdvicePanel() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
}

void AdvicePanel::start(const std::vector<PracticeOpponent>& opponents) {
  const doll& player = state_.playerDoll();
  if (opponents.empty()) {
    text_->setText(qtTrId("見通しを出せる相手がいません"));
    return;
  }
  if (player.Motor->name.empty() || player.frame->name.empty()) {
    text_->setText(qtTrId("Dollにモーターとフレームを付けると見通しが出ます"));
    return;
  }
  // The worker fights its own copies: the tournament's Dolls and dice stay untouched.
  const DollRef me = cloneForFight(player);
  std::vector<PracticeOpponent> copies = opponents;
  for (PracticeOpponent& o : copies)
    o.doll = cloneForFight(*o.doll);
  worker_ = std::thread([this, me, copies] {
    auto advice = std::make_shared<TournamentAdvice>();
    try {
      *advice = adviseTournament(*me, copies, kAdviceSeed, kAdviceFightsEach, &cancel_);
    } catch (const std::exception&) {
      advice->cancelled = true;
    }
    QMetaObject::invokeMethod(
        this, [this, advice] { showAdvice(advice); }, Qt::QueuedConnection);
  });
}

void AdvicePanel::showAdvice(std::shared_ptr<TournamentAdvice> advice) {
  if (worker_.joinable()) worker_.join();
  if (advice->cancelled || advice->chances.empty()) {
    text_->setText(qtTrId("見通しを出せませんでした"));
    return;
  }
  advice_ = std::move(advice);
  text_->setText(QString::fromStdString(adviceText(*advice_)));
  emit ready();
}

void AdvicePanel::openLab() {
  LabScreen lab(state_, services_, this);
  lab.chooseAgainst(QString::fromStdString(className_));
  lab.start();
  lab.exec();
}

}  // namespace velko::ui
