#pragma once
// A value snapshot of the program editor's work: the six working patterns slot by slot, with
// any gaps exactly where they are, the name boxes and the totals the labels show. Undo and
// redo restore these; patterns are copied as they stand (never through Logic::clone, which
// closes gaps the registration check must still see).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/action.h"

namespace velko {

inline constexpr int kDraftPatterns = 6;

struct ProgramDraft {
  std::array<Logic, kDraftPatterns> patterns;
  std::array<std::string, kDraftPatterns> names;
  std::array<std::optional<int16_t>, kDraftPatterns> apShown;
  std::array<std::optional<int16_t>, kDraftPatterns> memShown;
};

// Same actions in the same slots, same names and totals.
bool sameDraft(const ProgramDraft& a, const ProgramDraft& b);

// The editor's history: each entry the draft before one change. A new change forgets what
// could be redone.
class DraftHistory {
 public:
  // At most this many changes are kept; the oldest go first.
  static constexpr size_t kLimit = 1000;

  void record(ProgramDraft before);
  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // The draft to go back to, given the present one (kept for redo); nothing when empty.
  std::optional<ProgramDraft> undo(ProgramDraft present);
  std::optional<ProgramDraft> redo(ProgramDraft present);

 private:
  std::vector<ProgramDraft> undo_;
  std::vector<ProgramDraft> redo_;
};

}  // namespace velko
