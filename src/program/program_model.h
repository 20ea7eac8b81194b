#pragma once
// The rules of the program editor, free of any toolkit: the six working patterns the player
// edits, what is being dragged, the drops on the grid and the trash, the labels the screen
// shows, and the checks and writing-back of registration. The Qt screen only draws this.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/prompter.h"
#include "model/doll.h"
#include "program/program_draft.h"
#include "program/program_guide.h"
#include "program/program_software.h"

namespace velko {

// A pattern written elsewhere (the coach's proposal): its name and action IDs in order.
struct PatternActions {
  std::string name;
  std::vector<int16_t> actions;
};

class ProgramModel {
 public:
  static constexpr int kPatterns = 6;
  static constexpr int kGridSlots = kPatterns * Logic::kSlots;
  static constexpr int kFromPalette = -1;

  // The player's Doll; guideOn is the beginner's guide option.
  ProgramModel(doll& d, Prompter& prompter, bool guideOn);

  // Opening: names the software's eleven actions, re-binds the Doll's patterns to its current
  // software, takes working copies of them and fills the labels.
  void Form_Load();

  // What the mouse is over: sets the drag name and source and the dspDoll hint.
  void dspAchip_MouseMove(int chip);
  void dspAction_MouseMove(int slot);
  void dspAbl_MouseMove(int chip);
  void frm_MouseMove(int chip);
  void dspTrash_MouseMove();
  void Form_MouseMove();

  // Drops of the chip being dragged.
  void dspAction_DragDrop(int slot);
  void dspTrash_DragDrop();
  void cmdClear_Click(int pattern);
  // Copies pattern row `from` (chips, name and totals) onto row `to`.
  void copyPattern(int from, int to);
  // The keyboard's drops: palette chip `chip` into grid slot `slot`, and emptying a slot.
  void placeChip(int chip, int slot);
  void emptySlot(int slot);
  // Puts pattern k of `patterns` into row k (names and actions; rows beyond them are cleared)
  // as one change, undone in one step. Actions the software lacks are left out. Registering
  // stays the player's act.
  void applyPatterns(const std::vector<PatternActions>& patterns);

  // Every change above (and each run of typing in one name box) can be undone back to the
  // state the editor opened with, and redone until a new change is made.
  bool undo();
  bool redo();
  bool canUndo() const { return history_.canUndo(); }
  bool canRedo() const { return history_.canRedo(); }
  ProgramDraft draft() const;
  // The working patterns differ from what the editor opened with (an edit undone is none).
  bool changed() const { return !sameDraft(opened_, draft()); }
  // Closing without registering: at once when nothing changed, else only when the player
  // agrees to lose the changes (the default answer keeps editing).
  bool mayClose();

  // Checks, then writes the six patterns into the Doll; true when the editor may close.
  bool cmdRegist_Click();
  bool checkInput();

  // The action ID shown in a grid slot (putChip): 1-11, or 0 for the empty tile.
  int chipAt(int slot) const;
  const Logic& pattern(int p) const { return *working_[p]; }

  // Text1: the name boxes.
  const std::string& Text1(int p) const { return names_[p]; }
  void setText1(int p, const std::string& text);

  // dspAP 0-5 and dspMem 0-5 (empty after a clear), dspMem 6 the total.
  std::string dspAP(int p) const;
  std::string dspMem(int i) const;
  std::string dspAbl(int chip) const;
  std::string cmbSoft(int kind) const { return software_.softName(kind); }
  std::string dspDollAP() const;
  std::string dspDollMem() const;
  const std::string& dspDoll() const { return hint_; }
  ProgramGuide& guide() { return guide_; }
  const ProgramGuide& guide() const { return guide_; }

  std::string dragName() const { return actionName(dragAction_); }
  int dragSource() const { return dragSource_; }

 private:
  void initSoftLogic();
  void dspLogics();
  void showTotals(int p);
  void refreshTotal();
  void setHint(const std::string& text) { hint_ = text; }
  void restore(const ProgramDraft& d);
  // Runs one edit and keeps the draft from before it when the edit changed anything.
  template <typename Edit>
  void change(Edit edit);
  void dropOnSlot(int slot);
  void dropOnTrash();
  void clearPattern(int pattern);

  doll& doll_;
  Prompter& prompter_;
  bool guideOn_;
  ProgramSoftware software_;
  ProgramGuide guide_;
  std::array<LogicRef, kPatterns> working_;
  std::array<std::string, kPatterns> names_;
  std::array<std::optional<int16_t>, kPatterns> apShown_;
  std::array<std::optional<int16_t>, kPatterns> memShown_;
  long totalMem_ = 0;
  int dragAction_ = kNoAction;
  int dragSource_ = kFromPalette;
  std::string hint_;
  DraftHistory history_;
  ProgramDraft opened_;
  int renaming_ = -1;  // the name box typed in by the last change, merged into one step
};

}  // namespace velko
