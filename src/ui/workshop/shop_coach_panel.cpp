#include "ui/workshop/shop_coach_panel.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "coach/coach_texts.h"
#include "model/doll_class.h"
#include "model/fight_clone.h"
#include "ui/lab/run_strip.h"
#include "ui/widgets/qt_text.h"

namespace velko::ui {

namespace {

constexpr int kProgressSteps = 100;

}  // namespace

ShopCoachPanel::ShopCoachPanel(CareerState& state, CareerServices& services, int classIndex,
                               QWidget* parent)
    : QDialog(parent), state_(state), services_(services) {
  setWindowTitle(qtTrId("おすすめ構成"));
  setObjectName("ShopCoachPanel");
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setMinimumWidth(760);

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
  rule->setObjectName("lblRule");
  rule->setWordWrap(true);
  summary_ = new QLabel(this);
  summary_->setObjectName("lblSummary");
  summary_->setWordWrap(true);

  auto* page = new QVBoxLayout(this);
  page->addLayout(top);
  page->addWidget(rule);
  page->addWidget(summary_);
  for (int k = 0; k < kBuildProposals; ++k) {
    auto* box = new QFrame(this);
    box->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(box);
    auto* column = new QVBoxLayout;
    heading_[k] = new QLabel(box);
    heading_[k]->setStyleSheet("font-weight: bold; color: #ffb08f;");
    text_[k] = new QLabel(box);
    text_[k]->setObjectName(QString("lblProposal%1").arg(k));
    text_[k]->setWordWrap(true);
    column->addWidget(heading_[k]);
    column->addWidget(text_[k]);
    row->addLayout(column, 1);
    cmdBuy_[k] = new QPushButton(qtTrId("この構成を買う"), box);
    cmdBuy_[k]->setObjectName(QString("cmdBuy%1").arg(k));
    cmdBuy_[k]->setEnabled(false);
    connect(cmdBuy_[k], &QPushButton::clicked, this, [this, k] {
      chosen_ = advice_.proposals[k];
      accept();
    });
    row->addWidget(cmdBuy_[k], 0, Qt::AlignVCenter);
    page->addWidget(box);
    box->setVisible(false);
  }
  auto* close = new QPushButton(qtTrId("閉じる"), this);
  close->setObjectName("cmdClose");
  connect(close, &QPushButton::clicked, this, &ShopCoachPanel::reject);
  page->addWidget(close, 0, Qt::AlignRight);

  try {
    planner_ = std::make_shared<const BuildPlanner>(services_.folder);
    registry_ = registryOpponents(services_.folder);
  } catch (const std::exception& fault) {
    summary_->setText(q(fault.what()));
    run_->cmdStart()->setEnabled(false);
  }
}

ShopCoachPanel::~ShopCoachPanel() {
  run_->stop();
}

bool ShopCoachPanel::running() const {
  return run_->running();
}

bool ShopCoachPanel::start() {
  if (running() || !planner_) return false;
  // The worker fights its own copies; the screens keep the originals.
  std::vector<PracticeOpponent> copies;
  for (const PracticeOpponent& o : registry_)
    copies.push_back({o.id, cloneForFight(*o.doll)});
  const BuildQuestion question =
      buildQuestion(state_.player(), planner_->tables(), cmbClass_->currentIndex(), copies);
  if (question.opponents.empty()) {
    summary_->setText(qtTrId("このクラスの敵Dollがいません"));
    return false;
  }
  for (int k = 0; k < kBuildProposals; ++k)
    cmdBuy_[k]->parentWidget()->setVisible(false);
  summary_->setText(qtTrId("試合中…"));
  cmbClass_->setEnabled(false);
  const std::shared_ptr<const BuildPlanner> planner = planner_;
  // A fight the player's automatic give-up would end counts as lost, as it would in play.
  const AutoGiveUp giveUp = state_.autoGiveUp;
  run_->begin(kProgressSteps, [this, planner, question, giveUp] {
    auto advice = std::make_shared<BuildAdvice>();
    CoachControl control;
    control.giveUp = giveUp;
    control.cancel = run_->cancelFlag();
    control.progress = [this](int done, int total) {
      run_->report(total > 0 ? done * kProgressSteps / total : 0);
    };
    try {
      *advice = adviseBuilds(*planner, question, control);
    } catch (const std::exception&) {
      advice->cancelled = true;
    }
    QMetaObject::invokeMethod(
        this, [this, advice] { showAdvice(advice); }, Qt::QueuedConnection);
  });
  return true;
}

void ShopCoachPanel::showAdvice(std::shared_ptr<BuildAdvice> advice) {
  run_->finish();
  cmbClass_->setEnabled(true);
  advice_ = *advice;
  if (advice_.cancelled) {
    summary_->setText(qtTrId("中止しました"));
    return;
  }
  if (advice_.proposals.empty()) {
    summary_->setText(qtTrId("このクラスで組める完全なDollがありません"));
    return;
  }
  summary_->setText(qtTrId("%1体の候補と戦わせて、上位%2体を選びました")
                        .arg(advice_.candidates)
                        .arg(advice_.proposals.size()));
  for (size_t k = 0; k < advice_.proposals.size(); ++k) {
    const BuildProposal& p = advice_.proposals[k];
    heading_[k]->setText(q(proposalHeading(static_cast<int>(k), p)));
    text_[k]->setText(
        q(proposalMoneyLine(p) + "\n" + purchasesLine(p.trades) + "\n" + salesLine(p.trades)));
    cmdBuy_[k]->setEnabled(true);
    cmdBuy_[k]->parentWidget()->setVisible(true);
  }
  adjustSize();
}

void ShopCoachPanel::reject() {
  run_->stop();
  QDialog::reject();
}

}  // namespace velko::ui
