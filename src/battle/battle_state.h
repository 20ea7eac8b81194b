#pragma once
// The state of one fight, shared by the turn sequence, the action choice, the techniques and
// the hit rules. Plain public fields: the screens read them, set-up and tests may place a
// situation directly.

#include <array>
#include <cstdint>
#include <string>

#include "model/doll.h"

namespace velko {

// Flags stored as integers: -1 is true, 0 false.
inline constexpr int16_t kOn = -1;
inline constexpr int16_t kOff = 0;

// Fight modes written by the workshop; any value other than street and duel is a tournament.
inline constexpr int16_t kModeStreet = 0;
inline constexpr int16_t kModeTournament = 1;
inline constexpr int16_t kModeDuel = 2;

// turnStep values.
inline constexpr int16_t kTurnStart = 0;
inline constexpr int16_t kFighter0Acts = 3;
inline constexpr int16_t kFighter1Acts = 4;

// sente values: who acts first in this turn, or a tie.
inline constexpr int16_t kSenteTie = 2;

inline constexpr int16_t kNoWinner = -1;

struct BattleState {
  int16_t playAP = 0;  // action points of the fighter about to act
  int16_t span = 0;    // distance, 0 (in contact) to 10
  int16_t Mode = kModeStreet;

  std::array<DollRef, 2> fighters;
  int16_t turnStep = kTurnStart;
  int16_t sente = 0;

  // Per fighter: guard count, break-fall ready, holds the other, is down, spun in this step.
  std::array<int16_t, 2> bougyo{};
  std::array<int16_t, 2> ukemi{};
  std::array<int16_t, 2> kumiai{};
  std::array<int16_t, 2> tentou{};
  std::array<int16_t, 2> spun{};

  std::string battleLog;  // narration of the current step, lines end in CR LF

  // Hit effects for the end-of-step picture.
  int16_t effectCount = 0;
  int16_t effectTarget = 0;
  int16_t effectSize = 0;

  // The fighter the end phase found the winner, or kNoWinner while the fight goes on.
  int16_t winner = kNoWinner;

  bool isDuel() const { return Mode == kModeDuel; }
  bool isStreet() const { return Mode == kModeStreet; }
  bool isTournament() const { return !isDuel() && !isStreet(); }
  bool anyHold() const { return kumiai[0] != kOff || kumiai[1] != kOff; }
  const doll& fighter(int i) const { return *fighters[i]; }
};

}  // namespace velko
