#pragma once
// The player's automatic give-up: a preference, never a rule. After a step of a fight the game
// asks whether the line is crossed and, if so, gives up for the player through the ordinary
// give-up and its texts.

#include <cstdint>
#include <optional>
#include <string_view>

namespace velko {

class doll;

// Off, or the share of its maximum (in per cent) below which the motor or the frame may not fall.
enum class AutoGiveUp : int8_t { Off = 0, Below25 = 25, Below40 = 40, Below60 = 60 };

// True when the setting is on and the motor or the frame has fewer hit points than its share of
// the maximum. A part without a maximum never counts.
bool autoGiveUpDue(const doll& d, AutoGiveUp line);

// The setting as the preference file spells it ("off", "25", "40", "60"); nothing for anything
// else.
std::string_view autoGiveUpWord(AutoGiveUp line);
std::optional<AutoGiveUp> autoGiveUpFromWord(std::string_view word);

}  // namespace velko
