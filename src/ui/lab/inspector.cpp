#include "ui/lab/inspector.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>

#include "core/numbers.h"
#include "ui/app/language.h"
#include "ui/fight/fight_layout.h"
#include "ui/fight/fight_stage.h"
#include "ui/fight/fight_text.h"
#include "ui/widgets/screen_fit.h"

namespace velko::ui {

namespace {

QString text(const std::string& s) {
  return QString::fromStdString(s);
}

QString picture(const GameFolder& folder, const std::string& gamePath) {
  return letteredPicture(QString::fromStdString(folder.path(gamePath).string()));
}

QString flag(int16_t value) {
  return value != kOff ? qtTrId("あり") : "―";
}

const char* const kInspectorStyle =
    "QDialog#Inspector { background: #111722; }"
    "QLabel { color: #dfe6f2; font-size: 13px; }"
    "QLabel#fighter0 { color: #8fd8ff; } QLabel#fighter1 { color: #ffb08f; }"
    "QLabel#middle { color: #ffd66b; font-size: 15px; font-weight: bold; }"
    "QLabel#position { color: #ffffff; font-size: 15px; }"
    "QLabel#narration, QLabel#detail { background: #0a0e16; border: 1px solid #2f3b54;"
    "  padding: 0 6px; }"
    "QPushButton { color: #ffffff; background: #222b3c; border: 1px solid #3b4966;"
    "  border-radius: 4px; padding: 4px 12px; font-size: 15px; }";

// The narration and the dice each show this many lines; the label's border takes the rest.
constexpr int kPaneLines = 8;
constexpr int kPanePadding = 2;

}  // namespace

Inspector::Inspector(const FightRecording& recording, const GameFolder& folder, QWidget* parent)
    : QDialog(parent),
      recording_(recording),
      inspection_(inspectFight(recording_)),
      folder_(folder) {
  setObjectName("Inspector");
  setWindowTitle(qtTrId("試合の振り返り"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setStyleSheet(kInspectorStyle);
  buildPanels();
  stage_->loadBackground(picture(folder_, kStagePicture));
  for (int k = 0; k < 2; ++k) {
    const SpriteFiles files = spriteFiles(recording_.fighters[k]->image);
    stage_->loadDoll(k, picture(folder_, files.sheet), picture(folder_, files.mask));
  }
  timeline_->setRange(0, std::max(0, lastStep()));
  showStep(0);
  fitToScreen(this);
}

void Inspector::buildPanels() {
  auto* outer = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  for (int k = 0; k < 2; ++k) {
    fighter_[k] = new QLabel(this);
    fighter_[k]->setObjectName(QString("fighter%1").arg(k));
    fighter_[k]->setMinimumWidth(200);
    fighter_[k]->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  }
  stage_ = new FightStage(this);
  auto* centre = new QVBoxLayout;
  middle_ = new QLabel(this);
  middle_->setObjectName("middle");
  middle_->setAlignment(Qt::AlignCenter);
  centre->addWidget(middle_);
  centre->addWidget(stage_);
  top->addWidget(fighter_[0]);
  top->addLayout(centre);
  top->addWidget(fighter_[1]);
  outer->addLayout(top);

  auto* lower = new QHBoxLayout;
  narration_ = new QLabel(this);
  narration_->setObjectName("narration");
  narrationScroll_ = linePane(narration_, "narrationPane");
  detail_ = new QLabel(this);
  detail_->setObjectName("detail");
  lower->addWidget(narrationScroll_, 3);
  lower->addWidget(linePane(detail_, "detailPane"), 2);
  outer->addLayout(lower);

  auto* controls = new QHBoxLayout;
  const char* captions[] = {"|◀", "◀", "▶", "▶|"};
  const char* names[] = {"cmdHome", "cmdBack", "cmdForward", "cmdEnd"};
  for (int b = 0; b < 4; ++b) {
    buttons_[b] = new QPushButton(captions[b], this);
    buttons_[b]->setObjectName(names[b]);
    buttons_[b]->setFocusPolicy(Qt::NoFocus);
  }
  timeline_ = new QSlider(Qt::Horizontal, this);
  timeline_->setObjectName("timeline");
  timeline_->setFocusPolicy(Qt::NoFocus);
  position_ = new QLabel(this);
  position_->setObjectName("position");
  position_->setMinimumWidth(120);
  controls->addWidget(buttons_[0]);
  controls->addWidget(buttons_[1]);
  controls->addWidget(timeline_, 1);
  controls->addWidget(buttons_[2]);
  controls->addWidget(buttons_[3]);
  controls->addWidget(position_);
  outer->addLayout(controls);

  connect(buttons_[0], &QPushButton::clicked, this, [this] { showStep(0); });
  connect(buttons_[1], &QPushButton::clicked, this, [this] { showStep(step_ - 1); });
  connect(buttons_[2], &QPushButton::clicked, this, [this] { showStep(step_ + 1); });
  connect(buttons_[3], &QPushButton::clicked, this, [this] { showStep(lastStep()); });
  connect(timeline_, &QSlider::valueChanged, this, [this](int v) { showStep(v); });
}

// A long text scrolls rather than spilling out of its frame or growing the window: the wheel
// moves whole lines, and the pane is a whole number of lines high, so no line shows cut.
QScrollArea* Inspector::linePane(QLabel* label, const QString& name) {
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  auto* pane = new QScrollArea(this);
  pane->setObjectName(name);
  pane->setWidgetResizable(true);
  pane->setFrameShape(QFrame::NoFrame);
  pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // With the focus, the scroll area would take the arrow keys that step through the fight.
  pane->setFocusPolicy(Qt::NoFocus);
  pane->setWidget(label);
  label->ensurePolished();
  const int line = label->fontMetrics().lineSpacing();
  pane->verticalScrollBar()->setSingleStep(line);
  pane->setFixedHeight(kPaneLines * line + 2 * kPanePadding);
  return pane;
}

void Inspector::showStep(int index) {
  if (inspection_.steps.empty()) return;
  step_ = std::clamp(index, 0, lastStep());
  const InspectedStep& s = inspection_.steps[step_];
  drawStage(s);
  for (int k = 0; k < 2; ++k)
    fighter_[k]->setText(fighterText(s, k));
  middle_->setText(text(s.labels.span));
  narration_->setText(qtText(s.narration));
  // Each step is read from its top.
  for (QScrollArea* pane : findChildren<QScrollArea*>())
    pane->verticalScrollBar()->setValue(0);
  QStringList lines;
  if (s.index == 0) lines << qtTrId("試合開始");
  if (s.actor >= 0)
    lines << qtTrId("%1の行動: %2").arg(text(s.labels.name[s.actor]), text(s.choice));
  if (!s.rule.empty()) lines << qtTrId("コンピュータの判断: ") + text(s.rule);
  for (const std::string& d : s.dice)
    lines << text(d);
  if (!s.changes.empty()) lines << qtTrId("この手で変わったこと:");
  for (const std::string& c : s.changes)
    lines << qtTrId("　") + text(c);
  if (step_ == lastStep() && !inspection_.error.empty())
    lines << qtTrId("再生できません: ") + text(inspection_.error);
  detail_->setText(lines.join('\n'));
  position_->setText(QString(qtTrId("手 %1 / %2")).arg(step_).arg(lastStep()));
  const QSignalBlocker quiet(timeline_);
  timeline_->setValue(step_);
}

QString Inspector::fighterText(const InspectedStep& s, int k) const {
  const BattleState& b = s.after;
  QStringList lines;
  lines << text(s.labels.name[k]);
  lines << text(s.labels.motor[k]) + QString(" / %1").arg(recording_.fighters[k]->Motor->maxHP);
  lines << text(s.labels.frame[k]) + QString(" / %1").arg(recording_.fighters[k]->frame->maxHP);
  lines << (s.apText[k].empty() ? QString(qtTrId("行動ポイント ―")) : text(s.apText[k]));
  lines << qtTrId("イニシアチヴ ") +
               (s.initiativeText[k].empty() ? QString("―") : text(s.initiativeText[k]));
  lines << QString(qtTrId("組み: %1")).arg(flag(b.kumiai[k]));
  lines << QString(qtTrId("転倒: %1")).arg(flag(b.tentou[k]));
  lines << QString(qtTrId("防御: %1")).arg(b.bougyo[k]);
  lines << QString(qtTrId("受身: %1")).arg(flag(b.ukemi[k]));
  if (!s.labels.joutai[k].empty()) lines << text(s.labels.joutai[k]);
  return lines.join('\n');
}

// The picture the battle screen showed at the end of the step: the end-of-step poses, or the
// step's technique picture where the end of the step leaves it standing.
void Inspector::drawStage(const InspectedStep& s) {
  stage_->drawBackground();
  const DollPoses poses = dollImagePoses(s.after);
  if (!poses.redraw && s.techniqueFighter >= 0) {
    const int i = s.techniqueFighter;
    const BattleState& t = s.atTechnique;
    stage_->drawDoll(1 - i, statePose(t, 1 - i), cellX(1 - i, t.span));
    stage_->drawDoll(i, actionColumn(s.techniqueAction), cellX(i, t.span));
  } else {
    for (int k = 0; k < 2; ++k)
      stage_->drawDoll(k, poses.redraw ? poses.column[k] : kPoseStand, cellX(k, s.after.span));
  }
  stage_->update();
}

QString Inspector::shownText() const {
  return QStringList{fighter_[0]->text(), fighter_[1]->text(), middle_->text(),
                     narration_->text(),  detail_->text(),     position_->text()}
      .join("\n--\n");
}

void Inspector::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      showStep(step_ - 1);
      return;
    case Qt::Key_Right:
      showStep(step_ + 1);
      return;
    case Qt::Key_Home:
      showStep(0);
      return;
    case Qt::Key_End:
      showStep(lastStep());
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

}  // namespace velko::ui
