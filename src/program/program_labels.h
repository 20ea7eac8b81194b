#pragma once
// The number labels of the program editor, each number in the game's Str form.

#include <cstdint>
#include <string>

#include "model/action.h"

namespace velko {

// dspAbl: the action's AP, "：", its memory (" 2： 3").
std::string dspAblText(const Action& action);
// dspDollAP: what AP plus two dice can reach (" 12～ 22" for AP 10).
std::string dspDollAPText(int16_t dollAP);
// dspDollMem: the memory of the Doll's computer.
std::string dspDollMemText(int16_t dollMemory);

}  // namespace velko
