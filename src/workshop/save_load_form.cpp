#include "workshop/save_load_form.h"

#include "core/shown_text.h"
#include "data/save/slot_number.h"
#include "data/save/slot_preview.h"

namespace velko {

namespace {

constexpr const char* kCrLf = "\r\n";

}  // namespace

SaveLoadForm::SaveLoadForm(int16_t mode, const GameFolder& folder, Prompter& prompter)
    : mode_(mode), folder_(folder), prompter_(prompter) {}

std::string SaveLoadForm::caption() const {
  return mode_ == kSaveMode ? shown("セーブ画面") : shown("ロード画面");
}

void SaveLoadForm::digit(int d) {
  if (d < 0 || d > 9) return;
  typed_ += static_cast<char>('0' + d);
}

std::string SaveLoadForm::slotLine(const UsedSlot& slot) {
  const SlotPreview& p = slot.preview;
  std::string line = "save" + std::to_string(slot.number) + "  " + p.gameDate + "\n" +
                     p.playerName + "  " + p.dollName;
  if (p.money) line += "  " + fill(shown("所持金%1Rl"), {std::to_string(*p.money)});
  return line;
}

bool SaveLoadForm::confirm() {
  // A number beyond 16 bits is refused here rather than naming a wrong slot.
  const SlotNumberCheck check = checkSlotDigits(typed_);
  if (!check.ok) {
    prompter_.msgBox(check.message);
    return false;
  }
  const bool agreed = mode_ == kSaveMode ? confirmSave(check.number) : confirmLoad(check.number);
  if (!agreed) return false;
  value_ = true;
  svNum_ = check.number;
  return true;
}

bool SaveLoadForm::confirmSave(int16_t number) {
  std::string message;
  const auto preview = Rinload_rtn(folder_, number, prompter_);
  if (!preview) {
    message = fill(shown("%1でセーブしますか？"), {Lab_num()});
  } else if (!preview->playerName.empty()) {
    message = fill(shown("%1には以下のデータがあります。"), {Lab_num()}) + kCrLf +
              preview->playerName + " " + preview->dollName + " " + preview->gameDate + kCrLf +
              shown("上書きしますか？");
  }
  message += std::string(kCrLf) + shown("（ロード時には新品のパーツも中古として扱われます）");
  // Writing over a slot loses what it held.
  if (preview) return prompter_.askOKSafe(message) == kAnswerOK;
  return prompter_.askOK(message) == kAnswerOK;
}

bool SaveLoadForm::confirmLoad(int16_t number) {
  const auto preview = Rinload_rtn(folder_, number, prompter_);
  if (!preview) {
    prompter_.msgBox(shown("ファイルが見つかりません"));
    return false;
  }
  const std::string message = Lab_num() + " " + preview->playerName + " " + preview->dollName +
                              kCrLf + preview->gameDate + kCrLf + shown("これをロードしますか？");
  // Loading replaces the game being played.
  return prompter_.askOKSafe(message) == kAnswerOK;
}

}  // namespace velko
