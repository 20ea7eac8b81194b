#include "workshop/save_load_form.h"

#include "data/slot_number.h"
#include "data/slot_preview.h"

namespace velko {

namespace {

constexpr const char* kCrLf = "\r\n";

}  // namespace

SaveLoadForm::SaveLoadForm(int16_t mode, const GameFolder& folder, Prompter& prompter)
    : mode_(mode), folder_(folder), prompter_(prompter) {}

std::string SaveLoadForm::caption() const {
  return mode_ == kSaveMode ? "セーブ画面" : "ロード画面";
}

void SaveLoadForm::digit(int d) {
  if (d < 0 || d > 9) return;
  typed_ += static_cast<char>('0' + d);
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
    message = Lab_num() + "でセーブしますか？";
  } else if (!preview->playerName.empty()) {
    message = Lab_num() + "には以下のデータがあります。" + kCrLf + preview->playerName + " " +
              preview->dollName + " " + preview->gameDate + kCrLf + "上書きしますか？";
  }
  message += std::string(kCrLf) + "（ロード時には新品のパーツも中古として扱われます）";
  // Writing over a slot loses what it held.
  if (preview) return prompter_.askOKSafe(message) == kAnswerOK;
  return prompter_.askOK(message) == kAnswerOK;
}

bool SaveLoadForm::confirmLoad(int16_t number) {
  const auto preview = Rinload_rtn(folder_, number, prompter_);
  if (!preview) {
    prompter_.msgBox("ファイルが見つかりません");
    return false;
  }
  const std::string message = Lab_num() + " " + preview->playerName + " " + preview->dollName +
                              kCrLf + preview->gameDate + kCrLf + "これをロードしますか？";
  // Loading replaces the game being played.
  return prompter_.askOKSafe(message) == kAnswerOK;
}

}  // namespace velko
