#pragma once
// What it takes to play a fight again exactly: both Dolls as they stood when it began, every
// number the random source gave, every pattern and move chosen for either side, and how it
// ended. The engine never sees it: it is taken and fed back at the seams (fight_recorder.h).

#include <array>
#include <cstdint>
#include <vector>

#include "battle/battle_state.h"
#include "model/doll.h"

namespace velko {

// Pattern choices that name no slot of the Doll.
inline constexpr int16_t kChosePass = -1;   // the player cancelled: nothing ran
inline constexpr int16_t kChoseEmpty = -2;  // the computer found nothing that fits and waited

struct RecordedChoice {
  enum class Kind : uint8_t { Pattern, Move };
  Kind kind = Kind::Pattern;
  int8_t fighter = 0;
  // A pattern slot (or kChosePass, kChoseEmpty), or a move direction.
  int16_t value = 0;

  bool operator==(const RecordedChoice&) const = default;
};

struct FightRecording {
  int16_t mode = kModeStreet;
  // Where the turn sequence stood: a tournament's next bout goes on from the step and the
  // points the previous bout ended with.
  int16_t turnStep = kTurnStart;
  int16_t sente = 0;
  int16_t playAP = 0;
  std::array<DollRef, 2> fighters;
  std::vector<double> draws;
  std::vector<RecordedChoice> choices;
  int steps = 0;               // presses of the next command
  int16_t winner = kNoWinner;  // 0 or 1, or kNoWinner when given up or cut off
};

}  // namespace velko
