#include "model/action.h"

#include <stdexcept>

#include "core/shown_text.h"

#include "core/numbers.h"
#include "core/prompter.h"
#include "model/software.h"

namespace velko {

namespace {

void checkSlot(int slot) {
  if (slot < 0 || slot >= Logic::kSlots) throw std::out_of_range("pattern slot out of range");
}

void copyCosts(Action& to, const Action& from) {
  to.AP = from.AP;
  to.Memory = from.Memory;
  to.name = actionName(to.ID);
}

}  // namespace

bool isAction(int id) {
  return id >= kMove && id <= kHazusi;
}

std::string actionName(int id) {
  // The names stored in files, always Japanese; shown("...") gives a name in the player's language.
  static const char* const kNames[] = {"",
                                       QT_TRID_NOOP("移動"),
                                       QT_TRID_NOOP("ジャンプ"),
                                       QT_TRID_NOOP("回転"),
                                       QT_TRID_NOOP("パンチ"),
                                       QT_TRID_NOOP("キック"),
                                       QT_TRID_NOOP("組み"),
                                       QT_TRID_NOOP("投げ"),
                                       QT_TRID_NOOP("折り"),
                                       QT_TRID_NOOP("防御"),
                                       QT_TRID_NOOP("受身"),
                                       QT_TRID_NOOP("外し")};
  if (!isAction(id)) return "";
  return kNames[id];
}

Action& Action::getActionA(int16_t Index, const SoftAttack& softA, const SoftMobile& softM) {
  ID = Index;
  if (Index >= kMove && Index <= kSpin) {
    copyCosts(*this, *softM.getAction(Index));
  } else if (Index >= kPunch && Index <= kHold) {
    copyCosts(*this, *softA.getAction(Index));
  }
  return *this;
}

Action& Action::getActionM(int16_t Index, const SoftMobile& softM) {
  ID = Index;
  if (Index >= kMove && Index <= kSpin) {
    copyCosts(*this, *softM.getAction(Index));
    return *this;
  }
  AP = 0;
  Memory = 0;
  name.clear();
  return *this;
}

ActionRef newAction() {
  return std::make_shared<Action>();
}

Logic::Logic() {
  removeAll();
}

std::shared_ptr<Logic> Logic::clone() const {
  auto copy = std::make_shared<Logic>();
  copy->ID = ID;
  copy->name = name;
  for (const ActionRef& action : actions)
    copy->addQuietly(action);
  return copy;
}

void Logic::removeAll() {
  for (ActionRef& slot : actions)
    slot = newAction();
  AP = 0;
  Memory = 0;
}

std::string Logic::getActionsname(int slot) const {
  return getActions(slot)->name;
}

int16_t Logic::getTotalMem() {
  int sum = 0;
  for (const ActionRef& action : actions)
    sum += action->Memory;
  Memory = saturate16(sum);
  return Memory;
}

int16_t Logic::getTotalAP() {
  int sum = 0;
  for (const ActionRef& action : actions)
    sum += action->AP;
  AP = saturate16(sum);
  return AP;
}

const ActionRef& Logic::getActions(int slot) const {
  checkSlot(slot);
  return actions[slot];
}

void Logic::setAction(ActionRef action, int slot) {
  checkSlot(slot);
  actions[slot] = action ? std::move(action) : newAction();
}

bool Logic::addAction(ActionRef action, Prompter& prompter) {
  if (addQuietly(std::move(action))) return true;
  prompter.msgBox(shown("これ以上複雑な動きにはできません"));
  return false;
}

bool Logic::addQuietly(ActionRef action) {
  if (!action) action = newAction();
  for (ActionRef& slot : actions) {
    if (slot->ID != 0) continue;
    // Totals keep within 16 bits rather than wrapping.
    AP = saturate16(AP + action->AP);
    Memory = saturate16(Memory + action->Memory);
    slot = std::move(action);
    return true;
  }
  return false;
}

}  // namespace velko
