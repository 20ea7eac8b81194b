#pragma once
// The save and load screen's rules: the typed slot number, its name ("save12"), the preview
// of the slot and the question before saving over it or loading it.

#include <cstdint>
#include <string>
#include <vector>

#include "core/prompter.h"
#include "core/shown_text.h"
#include "data/files/game_folder.h"
#include "data/save/slot_list.h"

namespace velko {

inline constexpr int16_t kSaveMode = 1;
inline constexpr int16_t kLoadMode = 2;

class SaveLoadForm {
 public:
  SaveLoadForm(int16_t mode, const GameFolder& folder, Prompter& prompter);

  int16_t Mode() const { return mode_; }
  // "セーブ画面" or "ロード画面".
  std::string caption() const;
  // "save" and the digits typed so far.
  std::string Lab_num() const { return "save" + typed_; }
  std::string Hlp() const { return shown("セーブ番号を打ち込んでください"); }

  void digit(int d);
  void clear() { typed_.clear(); }
  // A slot chosen from the list: its number replaces the digits typed, and nothing else
  // happens until the player confirms.
  void choose(int16_t number) { typed_ = std::to_string(number); }
  // The slots that hold a game, and the line the list shows for one: the number and the date, then
  // the pilot, the Doll and the money on a second line.
  std::vector<UsedSlot> listSlots() const { return usedSlots(folder_, prompter_); }
  static std::string slotLine(const UsedSlot& slot);
  // Takes back the last digit typed (the Backspace key).
  void backspace() {
    if (!typed_.empty()) typed_.pop_back();
  }
  // Confirm: true when the player agreed and the screen closes with a slot.
  bool confirm();

  bool value() const { return value_; }
  int16_t svNum() const { return svNum_; }

 private:
  bool confirmSave(int16_t number);
  bool confirmLoad(int16_t number);

  int16_t mode_;
  GameFolder folder_;
  Prompter& prompter_;
  std::string typed_;
  bool value_ = false;
  int16_t svNum_ = 0;
};

}  // namespace velko
