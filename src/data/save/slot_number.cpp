#include "data/save/slot_number.h"
#include "core/shown_text.h"

#include "data/save/save_commit.h"

namespace velko {

namespace {

constexpr int kHighestSlot = 32767;

std::filesystem::path slotPath(const GameFolder& folder, const char* stem, int16_t n) {
  return folder.path(std::string("\\save\\") + stem + std::to_string(n) + ".ini");
}

SlotNumberCheck refused() {
  SlotNumberCheck check;
  check.message = shown("セーブ番号は0～32767の数字で打ち込んでください");
  return check;
}

std::string troubleText(RecordTrouble trouble) {
  switch (trouble) {
    case RecordTrouble::Foreign:
      return shown("このゲームの書き込み記録ではありません");
    case RecordTrouble::Newer:
      return shown("新しい版のVELKOが書いた記録で、この版では読めません");
    case RecordTrouble::Damaged:
      break;
  }
  return shown("壊れています");
}

}  // namespace

SlotNumberCheck checkSlotDigits(const std::string& typed) {
  int number = 0;
  for (char c : typed) {
    if (c < '0' || c > '9') return refused();
    number = number * 10 + (c - '0');
    // Checked at every digit, so no length of input can overflow the sum.
    if (number > kHighestSlot) return refused();
  }
  SlotNumberCheck check;
  check.ok = true;
  check.number = static_cast<int16_t>(number);
  return check;
}

std::filesystem::path playerFilePath(const GameFolder& folder, int16_t n) {
  return slotPath(folder, "Playersv", n);
}

std::filesystem::path dollFilePath(const GameFolder& folder, int16_t n) {
  return slotPath(folder, "PlayDollsv", n);
}

std::filesystem::path logicFilePath(const GameFolder& folder, int16_t n) {
  return slotPath(folder, "Logicsv", n);
}

bool ensureSaveFolder(const GameFolder& folder) {
  std::error_code ec;
  std::filesystem::create_directories(folder.path("\\save"), ec);
  return std::filesystem::is_directory(folder.path("\\save"), ec);
}

bool settleSaveFolder(const GameFolder& folder) {
  return settleFolder(folder.path("\\save"));
}

bool settleSaveFolder(const GameFolder& folder, Prompter& prompter) {
  if (const auto aside = setAsideStrangeRecord(folder.path("\\save"))) {
    prompter.msgBox(
        fill(shown("save/%1 は%2。\nsave/%3 に名前を変えて残しました。ほかのファイルはそのままで"
                   "す。"),
             {aside->name, troubleText(aside->trouble), aside->newName}));
  }
  return settleSaveFolder(folder);
}

}  // namespace velko
