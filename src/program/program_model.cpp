#include "program/program_model.h"

#include "core/numbers.h"
#include "core/shown_text.h"
#include "program/program_hints.h"
#include "program/program_labels.h"

namespace velko {

namespace {

const std::string kLineBreak = "\n";

bool validSlot(int slot) {
  return slot >= 0 && slot < ProgramModel::kGridSlots;
}

bool validPattern(int p) {
  return p >= 0 && p < ProgramModel::kPatterns;
}

bool validChip(int chip) {
  return chip >= 0 && chip < kPaletteChips;
}

std::string showNumber(const std::optional<int16_t>& shown) {
  if (!shown) return "";
  return Str(*shown);
}

}  // namespace

ProgramModel::ProgramModel(doll& d, Prompter& prompter, bool guideOn)
    : doll_(d),
      prompter_(prompter),
      guideOn_(guideOn),
      software_(d),
      guide_(guideOn, d.AP, d.Memory) {
  for (LogicRef& logic : working_)
    logic = std::make_shared<Logic>();
}

void ProgramModel::Form_Load() {
  dragSource_ = kFromPalette;
  dragAction_ = kNoAction;
  // The Doll as it is now: its software and its AP and memory for the guide.
  software_ = ProgramSoftware(doll_);
  guide_ = ProgramGuide(guideOn_, doll_.AP, doll_.Memory);
  software_.nameActions();
  // Re-bind before copying: copies taken first would keep a replaced software's actions and
  // costs, and registering them would undo the re-binding.
  initSoftLogic();
  for (int p = 0; p < kPatterns; ++p)
    working_[p] = doll_.getLogic(p)->clone();
  dspLogics();
  history_ = DraftHistory();
  opened_ = draft();
  renaming_ = -1;
  guide_.open();
}

void ProgramModel::initSoftLogic() {
  for (int p = 0; p < kPatterns; ++p) {
    LogicRef logic = doll_.getLogic(p);
    if (!logic) logic = std::make_shared<Logic>();
    for (int k = 0; k < Logic::kSlots; ++k) {
      const ActionRef current = software_.action(logic->getActions(k)->ID);
      if (current) logic->setAction(current, k);
    }
    doll_.setLogics(logic, p);
  }
}

void ProgramModel::dspLogics() {
  for (int p = 0; p < kPatterns; ++p) {
    names_[p] = working_[p]->name;
    apShown_[p] = working_[p]->AP;
    memShown_[p] = working_[p]->Memory;
  }
  refreshTotal();
}

void ProgramModel::dspAchip_MouseMove(int chip) {
  if (!validChip(chip)) return;
  dragAction_ = chip + 1;
  dragSource_ = kFromPalette;
  setHint(actionHint(dragAction_, HintPlace::PaletteChip));
}

void ProgramModel::dspAction_MouseMove(int slot) {
  if (!validSlot(slot)) return;
  dragSource_ = slot;
  dragAction_ = working_[slot / Logic::kSlots]->getActions(slot % Logic::kSlots)->ID;
  // An empty slot leaves the last hint standing.
  if (!isAction(dragAction_)) return;
  setHint(actionHint(dragAction_, HintPlace::GridChip));
}

void ProgramModel::dspAbl_MouseMove(int chip) {
  if (!validChip(chip)) return;
  dragAction_ = chip + 1;
  setHint(actionHint(dragAction_, HintPlace::PaletteLabel));
}

void ProgramModel::frm_MouseMove(int chip) {
  if (!validChip(chip)) return;
  dragAction_ = chip + 1;
  setHint(actionHint(dragAction_, HintPlace::PaletteFrame));
}

void ProgramModel::dspTrash_MouseMove() {
  setHint(shown(kTrashHint));
}

void ProgramModel::Form_MouseMove() {
  setHint("");
}

template <typename Edit>
void ProgramModel::change(Edit edit) {
  ProgramDraft before = draft();
  edit();
  renaming_ = -1;
  if (!sameDraft(before, draft())) history_.record(std::move(before));
}

void ProgramModel::dspAction_DragDrop(int slot) {
  change([&] { dropOnSlot(slot); });
}

void ProgramModel::dspTrash_DragDrop() {
  change([&] { dropOnTrash(); });
}

void ProgramModel::cmdClear_Click(int pattern) {
  change([&] { clearPattern(pattern); });
}

void ProgramModel::copyPattern(int from, int to) {
  if (!validPattern(from) || !validPattern(to) || from == to) return;
  change([&] {
    Logic copy = *working_[from];
    copy.ID = working_[to]->ID;
    copy.dollID = working_[to]->dollID;
    *working_[to] = copy;
    names_[to] = names_[from];
    apShown_[to] = apShown_[from];
    memShown_[to] = memShown_[from];
    refreshTotal();
  });
}

void ProgramModel::placeChip(int chip, int slot) {
  if (!validChip(chip)) return;
  dspAchip_MouseMove(chip);
  dspAction_DragDrop(slot);
}

void ProgramModel::emptySlot(int slot) {
  if (!validSlot(slot)) return;
  dragSource_ = slot;
  dragAction_ = working_[slot / Logic::kSlots]->getActions(slot % Logic::kSlots)->ID;
  dspTrash_DragDrop();
}

void ProgramModel::applyPatterns(const std::vector<PatternActions>& patterns) {
  change([&] {
    for (int p = 0; p < kPatterns; ++p) {
      clearPattern(p);
      if (static_cast<size_t>(p) >= patterns.size()) continue;
      names_[p] = patterns[p].name;
      int k = 0;
      for (int16_t id : patterns[p].actions) {
        const ActionRef action = software_.action(id);
        if (!action || k >= Logic::kSlots) continue;
        working_[p]->setAction(action, k++);
      }
      showTotals(p);
    }
    refreshTotal();
  });
}

bool ProgramModel::mayClose() {
  if (!changed()) return true;
  return prompter_.askYesNoSafe(shown("変更を登録せずに閉じますか？"), "Program") == kAnswerYes;
}

ProgramDraft ProgramModel::draft() const {
  ProgramDraft d;
  for (int p = 0; p < kPatterns; ++p)
    d.patterns[p] = *working_[p];
  d.names = names_;
  d.apShown = apShown_;
  d.memShown = memShown_;
  return d;
}

void ProgramModel::restore(const ProgramDraft& d) {
  for (int p = 0; p < kPatterns; ++p)
    *working_[p] = d.patterns[p];
  names_ = d.names;
  apShown_ = d.apShown;
  memShown_ = d.memShown;
  refreshTotal();
}

bool ProgramModel::undo() {
  std::optional<ProgramDraft> back = history_.undo(draft());
  if (!back) return false;
  restore(*back);
  renaming_ = -1;
  return true;
}

bool ProgramModel::redo() {
  std::optional<ProgramDraft> forward = history_.redo(draft());
  if (!forward) return false;
  restore(*forward);
  renaming_ = -1;
  return true;
}

void ProgramModel::dropOnSlot(int slot) {
  if (!validSlot(slot)) return;
  const ActionRef dragged = software_.action(dragAction_);
  if (!dragged) return;
  const int p = slot / Logic::kSlots;
  const int k = slot % Logic::kSlots;
  ActionRef previous = working_[p]->getActions(k);
  if (!isAction(previous->ID)) previous = newAction();
  const bool fromGrid = validSlot(dragSource_);
  if (fromGrid)
    working_[dragSource_ / Logic::kSlots]->setAction(previous, dragSource_ % Logic::kSlots);
  working_[p]->setAction(dragged, k);
  showTotals(p);
  if (fromGrid) showTotals(dragSource_ / Logic::kSlots);
  refreshTotal();
}

void ProgramModel::dropOnTrash() {
  // A palette chip dropped on the trash is simply let go.
  if (!validSlot(dragSource_)) return;
  const int p = dragSource_ / Logic::kSlots;
  working_[p]->setAction(newAction(), dragSource_ % Logic::kSlots);
  showTotals(p);
  refreshTotal();
}

void ProgramModel::clearPattern(int pattern) {
  if (!validPattern(pattern)) return;
  names_[pattern].clear();
  apShown_[pattern].reset();
  memShown_[pattern].reset();
  working_[pattern]->removeAll();
  refreshTotal();
}

bool ProgramModel::checkInput() {
  for (int p = 0; p < kPatterns; ++p) {
    bool seenEmpty = false;
    for (int k = 0; k < Logic::kSlots; ++k) {
      const bool empty = !isAction(working_[p]->getActions(k)->ID);
      if (empty) {
        seenEmpty = true;
        continue;
      }
      if (!seenEmpty) continue;
      prompter_.msgBox(fill(shown("%1番目の技の入力が正しくありません"), {Str(p + 1)}) +
                       kLineBreak + shown("左寄せに入力して下さい"));
      return false;
    }
  }
  if (totalMem_ > doll_.Memory) {
    prompter_.msgBox(shown("メモリが足りません"));
    return false;
  }
  return true;
}

bool ProgramModel::cmdRegist_Click() {
  if (!checkInput()) return false;
  for (int p = 0; p < kPatterns; ++p) {
    working_[p]->name = names_[p];
    working_[p]->AP = apShown_[p].value_or(0);
    working_[p]->Memory = memShown_[p].value_or(0);
    doll_.setLogics(working_[p], p);
  }
  doll_.programed = true;
  return true;
}

int ProgramModel::chipAt(int slot) const {
  if (!validSlot(slot)) return 0;
  const int id = working_[slot / Logic::kSlots]->getActions(slot % Logic::kSlots)->ID;
  if (id < kMove || id > kHazusi) return 0;
  return id;
}

void ProgramModel::setText1(int p, const std::string& text) {
  if (!validPattern(p) || names_[p] == text) return;
  // Typing on in the same box adds to the same step.
  if (renaming_ != p) history_.record(draft());
  names_[p] = text;
  renaming_ = p;
}

std::string ProgramModel::dspAP(int p) const {
  if (!validPattern(p)) return "";
  return showNumber(apShown_[p]);
}

std::string ProgramModel::dspMem(int i) const {
  if (i == kPatterns) return Str(totalMem_);
  if (!validPattern(i)) return "";
  return showNumber(memShown_[i]);
}

std::string ProgramModel::dspAbl(int chip) const {
  if (!validChip(chip)) return "";
  return dspAblText(*software_.action(chip + 1));
}

std::string ProgramModel::dspDollAP() const {
  return dspDollAPText(doll_.AP);
}

std::string ProgramModel::dspDollMem() const {
  return dspDollMemText(doll_.Memory);
}

void ProgramModel::showTotals(int p) {
  apShown_[p] = working_[p]->getTotalAP();
  memShown_[p] = working_[p]->getTotalMem();
}

void ProgramModel::refreshTotal() {
  long sum = 0;
  for (const auto& shown : memShown_)
    sum += shown.value_or(0);
  totalMem_ = sum;
}

}  // namespace velko
