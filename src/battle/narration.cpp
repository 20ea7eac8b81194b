#include "battle/narration.h"

#include "core/numbers.h"
#include "model/shown_doll_name.h"

namespace velko {

void Narration::say(const char* text) {
  if (on_) appendShown(log_, text);
}

void Narration::line(const char* text) {
  if (!on_) return;
  appendShown(log_, text);
  endLine();
}

void Narration::say(const char* pattern, long number) {
  if (on_) appendFilled(log_, shown(pattern), {Str(number)});
}

void Narration::line(const char* pattern, long number) {
  if (!on_) return;
  say(pattern, number);
  endLine();
}

void Narration::line(const char* pattern, const doll& d) {
  if (!on_) return;
  appendFilled(log_, shown(pattern), {shownDollName(d)});
  endLine();
}

void Narration::endLine() {
  if (on_) log_ += "\r\n";
}

}  // namespace velko
