// The battle screen's controls and where they stand: the header with names, hit points and
// distance over the stage, the narration under it, and the side panel with the guide, the
// abilities and the commands.

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/fight/fight.h"
#include "ui/fight/fight_layout.h"
#include "ui/fight/fight_stage.h"
#include "ui/fight/narration_view.h"
#include "ui/widgets/dmsg.h"

namespace velko::ui {

namespace {

constexpr int kMargin = 20;
constexpr int kStageTop = 124;
constexpr int kSideLeft = kMargin + kStageWidth + 20;
constexpr int kSideWidth = 380;
constexpr int kBottom = 708;
constexpr int kNarrationTop = kStageTop + kStageHeight + 12;
constexpr int kHPLabelWidth = 80;
constexpr int kBarRowHeight = 16;
constexpr int kGuideHeight = 80;

const char* const kStyle =
    "QDialog#Fight { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    "  stop:0 #161c2a, stop:1 #0d1119); }"
    "QLabel { color: #dfe6f2; font-size: 13px; }"
    "QLabel#dspName0, QLabel#dspName1 { color: #ffffff; font-size: 21px; font-weight: bold; }"
    "QLabel#dspSpan { color: #ffd66b; font-size: 17px; font-weight: bold; }"
    "QLabel#dspHP0, QLabel#dspHP2 { color: #8fd8ff; font-size: 13px; font-weight: bold; }"
    "QLabel#dspHP1, QLabel#dspHP3 { color: #ffb08f; font-size: 13px; font-weight: bold; }"
    "QLabel#dspInitiative0, QLabel#dspInitiative1 { color: #ffd66b; font-size: 14px;"
    "  font-weight: bold; }"
    "QLabel#dspAP0, QLabel#dspAP1 { color: #ffffff; font-size: 14px; }"
    "QLabel#dspJoutai0, QLabel#dspJoutai1 { color: #ff6b6b; font-size: 14px;"
    "  font-weight: bold; }"
    "QFrame#hpTrack { background: #05070c; border: 1px solid #2b354a; border-radius: 2px; }"
    "QFrame#barHP0, QFrame#barHP2 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    "  stop:0 #9be3ff, stop:0.5 #3aa8f0, stop:1 #1d6fb8); }"
    "QFrame#barHP1, QFrame#barHP3 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    "  stop:0 #ffc29b, stop:0.5 #f0683a, stop:1 #b83a1d); }"
    "QFrame#stageFrame { background: #000000; border: 2px solid #3b4966; }"
    "QFrame#msgFrame { background: #0a0e16; border: 1px solid #2f3b54; border-radius: 4px; }"
    "QWidget#narration { font-size: 15px; }"
    "QFrame#paneGuide { background: #fff4c2; border: 1px solid #e0c060; border-radius: 6px; }"
    "QLabel#dspGuide { color: #3a3000; font-size: 14px; }"
    "QFrame#ablPanel { background: #1a2130; border: 1px solid #2d3a52; border-radius: 6px; }"
    "QLabel#dspAblName0, QLabel#dspAblName1 { font-size: 16px; font-weight: bold; }"
    "QLabel#dspAblName0 { color: #8fd8ff; } QLabel#dspAblName1 { color: #ffb08f; }"
    "QLabel#dspAbl0, QLabel#dspAbl1 { color: #8f9bb3; font-size: 12px; }"
    "QLabel#dspAblValue0, QLabel#dspAblValue1 { color: #ffffff; font-size: 12px;"
    "  font-weight: bold; }"
    "QPushButton { border-radius: 6px; padding: 0px; }"
    "QPushButton#cmdNext { color: #ffffff; font-size: 30px; font-weight: bold;"
    "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffad42, stop:1 #e0641a);"
    "  border: 2px solid #ffc77a; }"
    "QPushButton#cmdNext:hover { border: 2px solid #ffffff; }"
    "QPushButton#cmdNext:pressed { background: #c8561a; }"
    "QPushButton#cmdNext:disabled { background: #4a4f5a; color: #8a8f99; border-color: #5a606c; }"
    "QPushButton#cmdTap { color: #ffb3b3; font-size: 16px; background: #2a1820;"
    "  border: 1px solid #8a3a4a; }"
    "QPushButton#cmdTap:hover { background: #3a1f2a; }"
    "QPushButton#cmdTap:disabled { color: #6a5a60; border-color: #4a3a40; }"
    "QPushButton#Command1_0, QPushButton#Command1_1 { color: #dfe6f2; font-size: 16px;"
    "  background: #222b3c; border: 1px solid #3b4966; }"
    "QPushButton#Command1_0:hover, QPushButton#Command1_1:hover { background: #2e3a52; }"
    "QPushButton#Command1_0:disabled, QPushButton#Command1_1:disabled { color: #4a5468; }";

QLabel* label(const QString& name, QWidget* parent, QRect at, Qt::Alignment align) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setGeometry(at);
  l->setAlignment(align | Qt::AlignVCenter);
  return l;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent, QRect at) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setGeometry(at);
  b->setAutoDefault(false);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

void Fight::buildHeader() {
  setStyleSheet(kStyle);
  setFixedSize(kSideLeft + kSideWidth + kMargin, kBottom + kMargin);

  const int right = kMargin + kStageWidth;
  dspName_[0] = label("dspName0", this, {kMargin, 8, 330, 34}, Qt::AlignLeft);
  dspName_[1] = label("dspName1", this, {right - 330, 8, 330, 34}, Qt::AlignRight);
  dspSpan_ = label("dspSpan", this, {kMargin + 330, 8, kStageWidth - 660, 34}, Qt::AlignCenter);

  // The bars stand in an area whose x is counted in twips from its left: fighter 0's bars
  // grow from 0, fighter 1's end at 9500.
  const int areaWidth = twipsToPixels(kBarRightTwips);
  const int areaLeft = kMargin + (kStageWidth - areaWidth) / 2;
  for (int row = 0; row < 2; ++row) {
    const int y = 48 + row * 24;
    auto* track = new QFrame(this);
    track->setObjectName("hpTrack");
    track->setGeometry(areaLeft - 2, y - 2, areaWidth + 4, kBarRowHeight + 4);
    auto* area = new QWidget(this);
    area->setGeometry(areaLeft, y, areaWidth, kBarRowHeight);
    for (int fighter = 0; fighter < 2; ++fighter) {
      const int index = row * 2 + fighter;
      barHP_[index] = new QFrame(area);
      barHP_[index]->setObjectName(QString("barHP%1").arg(index));
      barHP_[index]->setGeometry(0, 0, 0, kBarRowHeight);
      barHP_[index]->hide();
    }
    dspHP_[row * 2] = label(QString("dspHP%1").arg(row * 2), this,
                            {kMargin, y - 3, kHPLabelWidth, kBarRowHeight + 6}, Qt::AlignLeft);
    dspHP_[row * 2 + 1] =
        label(QString("dspHP%1").arg(row * 2 + 1), this,
              {right - kHPLabelWidth, y - 3, kHPLabelWidth, kBarRowHeight + 6}, Qt::AlignRight);
  }

  const int infoY = 94;
  dspInitiative_[0] = label("dspInitiative0", this, {kMargin, infoY, 56, 24}, Qt::AlignLeft);
  dspAP_[0] = label("dspAP0", this, {kMargin + 60, infoY, 190, 24}, Qt::AlignLeft);
  dspJoutai_[0] = label("dspJoutai0", this, {kMargin + 250, infoY, 140, 24}, Qt::AlignLeft);
  dspInitiative_[1] = label("dspInitiative1", this, {right - 56, infoY, 56, 24}, Qt::AlignRight);
  dspAP_[1] = label("dspAP1", this, {right - 250, infoY, 190, 24}, Qt::AlignRight);
  dspJoutai_[1] = label("dspJoutai1", this, {right - 390, infoY, 140, 24}, Qt::AlignRight);

  auto* stageFrame = new QFrame(this);
  stageFrame->setObjectName("stageFrame");
  stageFrame->setGeometry(kMargin - 2, kStageTop - 2, kStageWidth + 4, kStageHeight + 4);
  dspDollImg_ = new FightStage(this);
  dspDollImg_->move(kMargin, kStageTop);
}

void Fight::buildNarration() {
  const int buttonWidth = 40;
  const int width = kStageWidth - buttonWidth - 8;
  const int height = kBottom - kNarrationTop;
  auto* frame = new QFrame(this);
  frame->setObjectName("msgFrame");
  frame->setGeometry(kMargin, kNarrationTop, width, height);
  narration_ = new NarrationView(frame);
  narration_->setGeometry(12, 6, width - 24, height - 12);

  const int x = kMargin + kStageWidth - buttonWidth;
  const int half = (height - 8) / 2;
  // Button 1 brings back the lines above, button 0 the lines below.
  Command1_[1] = button("Command1_1", "▲", this, {x, kNarrationTop, buttonWidth, half});
  Command1_[0] = button("Command1_0", "▼", this, {x, kNarrationTop + half + 8, buttonWidth, half});
  // Said by a screen reader in words, not as the arrows' character names.
  Command1_[1]->setAccessibleName(qtTrId("実況を上へ"));
  Command1_[0]->setAccessibleName(qtTrId("実況を下へ"));
  for (int k = 0; k < 2; ++k)
    connect(Command1_[k], &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
  // Each button is enabled while there is something to bring into view on its side.
  connect(narration_, &NarrationView::moved, this, [this](bool canGoUp, bool canGoDown) {
    Command1_[1]->setEnabled(canGoUp);
    Command1_[0]->setEnabled(canGoDown);
  });
  Command1_[0]->setEnabled(false);
  Command1_[1]->setEnabled(false);
}

void Fight::buildSidePanel() {
  paneGuide_ = new QFrame(this);
  paneGuide_->setObjectName("paneGuide");
  paneGuide_->setGeometry(kSideLeft, 8, kSideWidth, kGuideHeight);
  dspGuide_ = new QLabel(paneGuide_);
  dspGuide_->setObjectName("dspGuide");
  dspGuide_->setGeometry(14, 6, kSideWidth - 28, kGuideHeight - 12);
  dspGuide_->setWordWrap(true);
  dspGuide_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  dspGuide_->setCursor(Qt::PointingHandCursor);
  dspGuide_->installEventFilter(this);
  paneGuide_->hide();

  // The ability panels fill the column from under the guide to the foot of the stage.
  const int top = 8 + kGuideHeight + 8;
  const int panelHeight = (kStageTop + kStageHeight - top - 8) / 2;
  for (int k = 0; k < 2; ++k) {
    auto* panel = new QFrame(this);
    panel->setObjectName("ablPanel");
    panel->setGeometry(kSideLeft, top + k * (panelHeight + 8), kSideWidth, panelHeight);
    dspAblName_[k] =
        label(QString("dspAblName%1").arg(k), panel, {20, 6, kSideWidth - 40, 24}, Qt::AlignLeft);
    // Nine lines: the ability names, and their values beside them.
    dspAbl_[k] =
        label(QString("dspAbl%1").arg(k), panel, {20, 32, 150, panelHeight - 36}, Qt::AlignLeft);
    dspAbl_[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    dspAblValue_[k] = label(QString("dspAblValue%1").arg(k), panel,
                            {kSideWidth - 24 - 140, 32, 140, panelHeight - 36}, Qt::AlignRight);
    dspAblValue_[k]->setAlignment(Qt::AlignRight | Qt::AlignTop);
  }

  cmdNext_ = button("cmdNext", qtTrId("次へ"), this, {kSideLeft, kNarrationTop, kSideWidth, 104});
  cmdNext_->setDefault(true);
  // The one control that takes the keyboard: Return and Space press it.
  cmdNext_->setFocusPolicy(Qt::TabFocus);
  cmdNext_->setCursor(Qt::PointingHandCursor);
  cmdTap_ = button("cmdTap", qtTrId("ギブアップ"), this,
                   {kSideLeft, kNarrationTop + 116, kSideWidth, 56});
  connect(cmdNext_, &QPushButton::clicked, this, &Fight::cmdNext_Click);
  connect(cmdTap_, &QPushButton::clicked, this, &Fight::cmdTap_Click);
}

}  // namespace velko::ui
