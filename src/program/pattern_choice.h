#pragma once
// What the player decides in a fight, without a screen: the pattern dialog (which rows may be
// chosen, the question before a choice, cancelling the order) and the move dialog's answers.
// The Qt dialogs show this and forward the clicks.

#include <array>
#include <cstdint>
#include <string>

#include "core/prompter.h"
#include "core/shown_text.h"
#include "model/action.h"

namespace velko {

inline constexpr const char* kSelectActionCaption = "SelectAction";
inline constexpr const char* kPatternGuide =
    QT_TRID_NOOP("技を選択して下さい。背景の白い技が選択可能です。");
inline constexpr const char* kCancelOrderText = QT_TRID_NOOP("命令を中止しますか？");
inline constexpr const char* kCancelOrderCaption = "BRAM-KOL";

inline constexpr const char* kMoveCaption = QT_TRID_NOOP("移動指示");
inline constexpr const char* kApproachCaption = QT_TRID_NOOP("接近");
inline constexpr const char* kWithdrawCaption = QT_TRID_NOOP("離脱");

// Grey rows cost more than the points of this action; an empty pattern (AP 0) stays white.
bool isGreyRow(int16_t patternAP, int16_t playAP);
// A row may be chosen when its AP is not more than the points of this action.
bool canChoose(int16_t patternAP, int16_t playAP);

// The names of the pattern's non-empty slots in slot order, joined by "＋".
std::string patternText(const Logic& logic);
// The question before a pattern is taken.
std::string confirmText(const Logic& logic);

class PatternChoice {
 public:
  static constexpr int kSlots = 21;  // setLogics takes slots 0-20
  static constexpr int kRows = 6;    // only 0-5 are shown

  explicit PatternChoice(int16_t playAP) : playAP_(playAP) {}

  // A slot outside 0-20 is ignored; an empty reference leaves the slot empty.
  void setLogics(LogicRef logic, int slot);
  // The pattern of a slot: an empty pattern where none was given.
  const Logic& logic(int slot) const;
  int16_t playAP() const { return playAP_; }
  bool isGrey(int row) const;

  // dspPattern_Click: true when the order is given and the dialog closes.
  bool dspPattern_Click(int row, const std::string& dollName, Prompter& prompter);
  // cmdCancel_Click: true when the order is cancelled and the dialog closes.
  bool cmdCancel_Click(Prompter& prompter);

  // The chosen pattern's number plus 1, or 0 while none is chosen or after a cancel.
  int16_t value() const { return value_; }

 private:
  std::array<LogicRef, kSlots> logics_;
  int16_t playAP_;
  int16_t value_ = 0;
};

}  // namespace velko
