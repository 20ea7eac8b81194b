#include "career/auto_give_up_offer.h"

#include <string>

#include "core/shown_text.h"

namespace velko {

namespace {

constexpr const char* kOfferText = QT_TRID_NOOP(
    "トーナメントの試合で負けると、HPが0になったモーターやフレームは壊れてなくなります。\n"
    "モーターかフレームのHPが最大の%1%を下回ったら、自動でギブアップしますか？\n"
    "ギブアップは負けに数えず、修理もされます。システムメニューの「自動ギブアップ」で"
    "いつでも変えられます。");

}  // namespace

std::string autoGiveUpOffer() {
  return fill(shown(kOfferText), {std::to_string(static_cast<int>(kOfferedAutoGiveUp))});
}

AutoGiveUp askAutoGiveUp(Prompter& prompter) {
  if (prompter.askYesNoSafe(autoGiveUpOffer(), kGameTitle) != kAnswerYes) return AutoGiveUp::Off;
  return kOfferedAutoGiveUp;
}

}  // namespace velko
