#include "battle/headless_seams.h"

namespace velko {

void NarrationLog::dspMsg(const std::string& text) {
  // Set-up only clears the area.
  if (keep_ && !text.empty()) narration.push_back(text);
}

}  // namespace velko
