#pragma once
// Whole careers of a sensible pilot: it buys the strongest Doll its money allows inside the
// class it aims at, programs six sound patterns, enters its class's tournament when its Doll is
// whole, gives up a fight before a part breaks, works when it cannot pay for repairs or parts,
// upgrades when money allows and moves up a class once its best affordable Doll there is
// expected to beat that class's opponents. Every step goes through the game's own rules.

#include <array>
#include <cstdint>
#include <vector>

#include "data/files/game_folder.h"
#include "sim/doll_class.h"

namespace velko::sim {

inline constexpr int kCareerMonths = 24;

struct ClassRecord {
  int entered = 0;
  int championships = 0;
  int fightsWon = 0;
  int partsDestroyed = 0;
  int entriesWithLoss = 0;  // tournaments that destroyed at least one part
  int firstWinMonth = 0;    // 1-24, 0 when never won
};

struct SensibleCareer {
  std::array<ClassRecord, kClassCount> classes;
  std::array<int, kCareerMonths> moneyAtMonthEnd{};
  std::array<int, kCareerMonths> dollValueAtMonthEnd{};
  // The career's first Novice tournament: 1 when its first bout was won, -1 when it was lost
  // (or given up), 0 when the career never entered one.
  int firstNoviceBout = 0;
  int workDays = 0;
  int recWin = 0;
  int recLoose = 0;
  int recChamp = 0;
};

// `runs` careers; the same seed plays the same careers.
std::vector<SensibleCareer> playSensibleCareers(const GameFolder& game, int runs, uint64_t seed);

}  // namespace velko::sim
