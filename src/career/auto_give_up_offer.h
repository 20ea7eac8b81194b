#pragma once
// The automatic give-up offered to a new player at the first tournament entry: one question
// with what a lost bout costs. The screens ask it (a headless pilot is never offered it) and
// remember the answer.

#include <string>

#include "battle/auto_give_up.h"
#include "core/prompter.h"

namespace velko {

// The line a Yes switches on.
inline constexpr AutoGiveUp kOfferedAutoGiveUp = AutoGiveUp::Below40;

// The question, in the language played.
std::string autoGiveUpOffer();

// Asks; Yes gives kOfferedAutoGiveUp, No (the default button) or the window frame Off.
AutoGiveUp askAutoGiveUp(Prompter& prompter);

}  // namespace velko
