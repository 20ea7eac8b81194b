#include "program/program_draft.h"

namespace velko {

namespace {

bool sameAction(const Action& a, const Action& b) {
  return a.ID == b.ID && a.name == b.name && a.AP == b.AP && a.Memory == b.Memory;
}

bool samePattern(const Logic& a, const Logic& b) {
  if (a.ID != b.ID || a.name != b.name || a.AP != b.AP || a.Memory != b.Memory) return false;
  for (int k = 0; k < Logic::kSlots; ++k) {
    if (!sameAction(*a.getActions(k), *b.getActions(k))) return false;
  }
  return true;
}

}  // namespace

bool sameDraft(const ProgramDraft& a, const ProgramDraft& b) {
  for (int p = 0; p < kDraftPatterns; ++p) {
    if (!samePattern(a.patterns[p], b.patterns[p])) return false;
  }
  return a.names == b.names && a.apShown == b.apShown && a.memShown == b.memShown;
}

void DraftHistory::record(ProgramDraft before) {
  undo_.push_back(std::move(before));
  if (undo_.size() > kLimit) undo_.erase(undo_.begin());
  redo_.clear();
}

std::optional<ProgramDraft> DraftHistory::undo(ProgramDraft present) {
  if (undo_.empty()) return std::nullopt;
  ProgramDraft back = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back(std::move(present));
  return back;
}

std::optional<ProgramDraft> DraftHistory::redo(ProgramDraft present) {
  if (redo_.empty()) return std::nullopt;
  ProgramDraft forward = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back(std::move(present));
  return forward;
}

}  // namespace velko
