// What the battle screen shows: the narration, the labels and bars, the stage pictures and
// the bracket.

#include <QFrame>
#include <QLabel>
#include <QStringList>

#include "core/numbers.h"
#include "model/shown_doll_name.h"
#include "ui/app/language.h"
#include "ui/fight/fight.h"
#include "ui/fight/fight_layout.h"
#include "ui/fight/fight_stage.h"
#include "ui/fight/fight_text.h"
#include "ui/fight/frm_tornament.h"
#include "ui/fight/narration_view.h"
#include "ui/widgets/dmsg.h"
#include "ui/widgets/focus_return.h"
#include "ui/widgets/name_field.h"
#include "ui/widgets/window_scale.h"

namespace velko::ui {

namespace {

QString realText(double v) {
  return QString::number(v, 'g', 6);
}

}  // namespace

QString Fight::picture(const std::string& gamePath) const {
  return letteredPicture(QString::fromStdString(services_.folder.path(gamePath).string()));
}

void Fight::dspMsg(const std::string& text) {
  narration_->setStepText(qtText(text));
}

void Fight::dspInitiative(int i, bool, const std::string& text) {
  dspInitiative_.at(i)->setText(QString::fromStdString(text));
}

void Fight::dspAP(int i, const std::string& text) {
  dspAP_.at(i)->setText(QString::fromStdString(text));
}

void Fight::dspDolls(const BattleState& state) {
  for (int k = 0; k < 2; ++k) {
    const SpriteFiles files = spriteFiles(state.fighter(k).image);
    dspDollImg_->loadDoll(k, picture(files.sheet), picture(files.mask));
  }
  dspAbl(state);
}

void Fight::dspAbl(const BattleState& state) {
  for (int k = 0; k < 2; ++k) {
    const doll& d = state.fighter(k);
    showName(dspAblName_[k], QString::fromStdString(shownDollName(d)));
    const QStringList values = {QString::fromStdString(Str(d.pow)),
                                QString::fromStdString(Str(d.move)),
                                QString::fromStdString(Str(d.jump)),
                                QString::fromStdString(Str(d.spin)),
                                realText(d.AC),
                                realText(d.weight),
                                QString::fromStdString(Str(d.AP)),
                                QString::fromStdString(Str(d.Memory)),
                                QString::fromStdString(Str(d.value))};
    dspAblValue_[k]->setText(values.join('\n'));
  }
}

void Fight::dspFightImage(const BattleState& state, int i, ActionId action) {
  const int other = 1 - i;
  dspDollImg_->drawBackground();
  dspDollImg_->drawDoll(other, statePose(state, other), cellX(other, state.span));
  dspDollImg_->drawDoll(i, actionColumn(action), cellX(i, state.span));
  dspDollImg_->update();
}

void Fight::dspDollImage(const BattleState& state) {
  const DollPoses poses = dollImagePoses(state);
  if (poses.redraw) {
    dspDollImg_->drawBackground();
    for (int k = 0; k < 2; ++k)
      dspDollImg_->drawDoll(k, poses.column[k], cellX(k, state.span));
  }
  for (int k = 1; k <= state.effectCount; ++k) {
    const StagePoint at = effectPlace(state.effectTarget, state.effectSize, k, effectRnd_.next());
    dspDollImg_->drawEffect(at.x, at.y);
  }
  dspDollImg_->update();
}

void Fight::dspLabels(const BattleState& state, const FightLabels& labels) {
  for (int k = 0; k < 2; ++k) {
    const doll& d = state.fighter(k);
    showName(dspName_[k], QString::fromStdString(labels.name[k]));
    dspHP_[k]->setText(QString::fromStdString(labels.motor[k]));
    dspHP_[k + 2]->setText(QString::fromStdString(labels.frame[k]));
    dspJoutai_[k]->setText(QString::fromStdString(labels.joutai[k]));
    setBar(k, k, d.Motor->HP);
    setBar(k + 2, k, d.frame->HP);
    // A screen reader hears what each bar shows, and whose it is.
    for (int row : {k, k + 2}) {
      barHP_.at(row)->setAccessibleName(dspHP_[row]->text());
      barHP_.at(row)->setAccessibleDescription(dspName_[k]->accessibleName());
      dspHP_[row]->setAccessibleDescription(dspName_[k]->accessibleName());
    }
  }
  dspSpan_->setText(QString::fromStdString(labels.span));
  dspDollImg_->setAccessibleName(QString("%1 / %2  %3")
                                     .arg(dspName_[0]->accessibleName(),
                                          dspName_[1]->accessibleName(),
                                          QString::fromStdString(labels.span)));
}

void Fight::setBar(int index, int fighter, int hp) {
  const BarSpan span = barSpan(fighter, hp);
  QFrame* bar = barHP_.at(index);
  const int left = scaledLength(bar, twipsToPixels(span.left));
  const int right = scaledLength(bar, twipsToPixels(span.left + span.width));
  bar->setGeometry(left, bar->y(), right - left, bar->height());
  bar->setVisible(right > left);
}

void Fight::showBracket(const Bracket& bracket) {
  const FocusReturn back;
  frmTornament view(bracket, this);
  if (state_.adviceOn) view.showAdvice(state_, services_, session_->getClass());
  const QRect frame = frameGeometry();
  view.move(frame.center() - view.rect().center());
  view.exec();
}

}  // namespace velko::ui
