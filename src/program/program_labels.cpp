#include "program/program_labels.h"

#include "core/numbers.h"
#include "core/shown_text.h"

namespace velko {

std::string dspAblText(const Action& action) {
  return fill(shown("%1：%2"), {Str(action.AP), Str(action.Memory)});
}

std::string dspDollAPText(int16_t dollAP) {
  return fill(shown("%1～%2"), {Str(dollAP + 2), Str(dollAP + 12)});
}

std::string dspDollMemText(int16_t dollMemory) {
  return Str(dollMemory);
}

}  // namespace velko
