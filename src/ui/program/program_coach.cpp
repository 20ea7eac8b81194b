#include "ui/program/program_coach.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "coach/coach_texts.h"
#include "model/doll_class.h"
#include "model/fight_clone.h"
#include "program/program_software.h"
#include "ui/lab/run_strip.h"
#include "ui/widgets/qt_text.h"

namespace velko::ui {

namespace {

constexpr int kProgressSteps = 100;

std::vector<PracticeOpponent> ofClass(const std::vector<PracticeOpponent>& all, int c) {
  std::vector<PracticeOpponent> chosen;
  for (const PracticeOpponent& o : all) {
    // The worker fights its own copies; the screens keep the originals.
    if (o.doll->value <= kDollClasses[c].limit) chosen.push_back({o.id, cloneForFight(*o.doll)});
  }
  return chosen;
}

}  // namespace

ProgramCoach::ProgramCoach(CareerState& state, CareerServices& services, int classIndex,
                           QWidget* parent)
    : QDialog(parent), state_(state), services_(services) {
  setWindowTitle(qtTrId("おすすめプログラム"));
  setObjectName("ProgramCoach");
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setMinimumWidth(760);

  const ProgramSoftware software(state_.playerDoll());
  actionNames_.assign(kHazusi + 1, "");
  for (int id = kMove; id <= kHazusi; ++id) {
    if (const ActionRef a = software.action(id)) actionNames_[id] = a->name;
  }

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(qtTrId("クラス"), this));
  cmbClass_ = new QComboBox(this);
  cmbClass_->setObjectName("cmbClass");
  for (const DollClassBound& c : kDollClasses)
    cmbClass_->addItem(c.name);
  cmbClass_->setCurrentIndex(classIndex);
  top->addWidget(cmbClass_);
  run_ = new RunStrip(this);
  top->addWidget(run_->cmdStart());
  top->addWidget(run_->cmdCancel());
  top->addWidget(run_->progress(), 1);
  connect(run_, &RunStrip::startPressed, this, [this] { start(); });

  auto* rule = new QLabel(q(coachRuleLine(state_.autoGiveUp)), this);
  rule->setWordWrap(true);
  summary_ = new QLabel(this);
  summary_->setObjectName("lblSummary");
  summary_->setWordWrap(true);

  auto* columns = new QGridLayout;
  todayHeading_ = new QLabel(qtTrId("登録済みのプログラム"), this);
  proposedHeading_ = new QLabel(qtTrId("おすすめ"), this);
  for (QLabel* heading : {todayHeading_, proposedHeading_})
    heading->setStyleSheet("font-weight: bold; color: #ffb08f;");
  today_ = new QLabel(this);
  today_->setObjectName("lblToday");
  proposed_ = new QLabel(this);
  proposed_->setObjectName("lblProposed");
  for (QLabel* list : {today_, proposed_}) {
    list->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    list->setMinimumHeight(list->fontMetrics().lineSpacing() * 6);
  }
  columns->addWidget(todayHeading_, 0, 0);
  columns->addWidget(proposedHeading_, 0, 1);
  columns->addWidget(today_, 1, 0);
  columns->addWidget(proposed_, 1, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  cmdApply_ = new QPushButton(qtTrId("エディタに適用"), this);
  cmdApply_->setObjectName("cmdApply");
  cmdApply_->setEnabled(false);
  connect(cmdApply_, &QPushButton::clicked, this, [this] {
    chosen_ = proposal_;
    accept();
  });
  auto* close = new QPushButton(qtTrId("閉じる"), this);
  connect(close, &QPushButton::clicked, this, &ProgramCoach::reject);
  bottom->addWidget(cmdApply_);
  bottom->addWidget(close);

  auto* page = new QVBoxLayout(this);
  page->addLayout(top);
  page->addWidget(rule);
  page->addWidget(summary_);
  page->addLayout(columns);
  page->addLayout(bottom);
  today_->setText(q(patternsText(registeredPatterns(state_.playerDoll()))));

  try {
    registry_ = registryOpponents(services_.folder);
  } catch (const std::exception& fault) {
    summary_->setText(q(fault.what()));
    run_->cmdStart()->setEnabled(false);
  }
}

ProgramCoach::~ProgramCoach() {
  run_->stop();
}

bool ProgramCoach::running() const {
  return run_->running();
}

std::string ProgramCoach::patternsText(const std::vector<PatternPlan>& patterns) const {
  std::string text;
  for (const PatternPlan& p : patterns)
    text += patternLine(p, actionNames_) + "\n";
  return text;
}

bool ProgramCoach::start() {
  if (running()) return false;
  const doll& d = state_.playerDoll();
  if (d.Motor->name.empty() || d.frame->name.empty()) {
    summary_->setText(qtTrId("Dollにモーターとフレームを付けて下さい"));
    return false;
  }
  // Without software the patterns have no costs and no Doll could run them.
  if (d.getSoftA(0)->name.empty()) {
    summary_->setText(qtTrId("Dollにソフトがありません"));
    return false;
  }
  const std::vector<PracticeOpponent> opponents = ofClass(registry_, cmbClass_->currentIndex());
  if (opponents.empty()) {
    summary_->setText(qtTrId("このクラスの敵Dollがいません"));
    return false;
  }
  const DollRef me = cloneForFight(d);
  cmdApply_->setEnabled(false);
  cmbClass_->setEnabled(false);
  summary_->setText(qtTrId("試合中…"));
  // A fight the player's automatic give-up would end counts as lost, as it would in play.
  const AutoGiveUp giveUp = state_.autoGiveUp;
  run_->begin(kProgressSteps, [this, me, opponents, giveUp] {
    auto proposal = std::make_shared<ProgramProposal>();
    CoachControl control;
    control.giveUp = giveUp;
    control.cancel = run_->cancelFlag();
    control.progress = [this](int done, int total) {
      run_->report(total > 0 ? done * kProgressSteps / total : 0);
    };
    try {
      *proposal = adviseProgram(*me, opponents, control);
    } catch (const std::exception&) {
      proposal->cancelled = true;
    }
    QMetaObject::invokeMethod(
        this, [this, proposal] { showProposal(proposal); }, Qt::QueuedConnection);
  });
  return true;
}

void ProgramCoach::showProposal(std::shared_ptr<ProgramProposal> proposal) {
  run_->finish();
  cmbClass_->setEnabled(true);
  proposal_ = *proposal;
  if (proposal_.cancelled) {
    summary_->setText(qtTrId("中止しました"));
    return;
  }
  summary_->clear();
  todayHeading_->setText(qtTrId("登録済みのプログラム　%1").arg(q(winChanceText(proposal_.today))));
  proposedHeading_->setText(qtTrId("おすすめ　%1").arg(q(winChanceText(proposal_.proposed))));
  proposed_->setText(q(patternsText(proposal_.patterns)));
  cmdApply_->setEnabled(!proposal_.patterns.empty());
}

void ProgramCoach::reject() {
  run_->stop();
  QDialog::reject();
}

}  // namespace velko::ui
