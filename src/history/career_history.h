#pragma once
// A career's history: one record per month of what the career was (money, skill, the Doll's
// value and build) and what happened in it (fights, tournaments, parts lost), and the fights
// themselves with the replay files that keep them. The last record is the month under way; the
// career counts into it and takes its picture when the month ends and at every save.

#include <cstdint>
#include <string>
#include <vector>

#include "core/game_date.h"
#include "model/doll.h"
#include "model/owner.h"

namespace velko {

// Months from the career's start (2013/01 is 0); the ending is month 24. A date before the
// start counts as month 0, one after the ending as month 24.
inline constexpr int kHistoryLastMonth = 24;
int careerMonth(const GameDate& date);

// The Doll's parts by catalogue ID, 0 for an empty slot, and its name.
struct DollBuild {
  static constexpr int kBoosters = 5;
  static constexpr int kProtectors = 4;
  int16_t motor = 0;
  int16_t frame = 0;
  int16_t boosters[kBoosters] = {};
  int16_t protectors[kProtectors] = {};
  int16_t hard = 0;
  std::string name;

  friend bool operator==(const DollBuild&, const DollBuild&) = default;
};

DollBuild buildOf(const doll& d);

enum class HistoryEnd : int16_t { Won = 0, Lost = 1, GivenUp = 2 };

// One fight of the career: its mode, how it ended for the player, the opponent's number (its
// registry ID), value and name, and the replay file that keeps it ("" when none was written).
struct HistoryFight {
  int16_t mode = 0;
  HistoryEnd end = HistoryEnd::Won;
  int16_t opponentID = 0;
  int16_t opponentValue = 0;
  std::string replay;
  std::string opponent;

  friend bool operator==(const HistoryFight&, const HistoryFight&) = default;
};

struct HistoryMonth {
  int month = 0;
  // The picture of the career, taken when the month ended (or at the last save).
  int16_t money = 0;
  int16_t skill = 0;
  int16_t dollValue = 0;
  DollBuild build;
  // What happened. Wins, losses and give-ups are the tournament bouts, as the career's record
  // counts them; `fights` counts every fight, street fights and duels too.
  int fights = 0;
  int wins = 0;
  int losses = 0;
  int givenUp = 0;
  int tournaments = 0;
  int titles = 0;
  int partsLost = 0;
  std::vector<HistoryFight> fightList;

  friend bool operator==(const HistoryMonth&, const HistoryMonth&) = default;
};

// The most fights one month keeps in its list (the counts go on).
inline constexpr size_t kHistoryMaxFights = 200;

struct CareerHistory {
  std::vector<HistoryMonth> months;  // ascending; never empty once started

  friend bool operator==(const CareerHistory&, const CareerHistory&) = default;
};

// A history that begins at the month of `date` (a new career, or an older save without one).
CareerHistory startHistory(const GameDate& date);

HistoryMonth& currentMonth(CareerHistory& history);

// The career counts what the rules did into the month under way.
void countFight(CareerHistory& history, const HistoryFight& fight);
void countTournament(CareerHistory& history);
void countTitle(CareerHistory& history);
void countPartsLost(CareerHistory& history, int parts);
// The file the fight counted last was kept in.
void nameLastReplay(CareerHistory& history, const std::string& replayFile);

// The picture of the month under way: money, skill, the Doll's value and build.
void takeMonth(CareerHistory& history, const Owner& player, const doll& d);
// The month under way ends with its picture, and the month of `date` begins.
void closeMonth(CareerHistory& history, const Owner& player, const doll& d, const GameDate& date);

// Sums over every month.
struct HistoryTotals {
  int fights = 0, wins = 0, losses = 0, givenUp = 0, tournaments = 0, titles = 0, partsLost = 0;
};
HistoryTotals totalsOf(const CareerHistory& history);

// The won tournament bouts and duels against the strongest opponents, the later first on a
// tie; at most `count`.
std::vector<HistoryFight> bestFights(const CareerHistory& history, size_t count);

// Every replay file the career's fights were kept in.
std::vector<std::string> careerReplays(const CareerHistory& history);

}  // namespace velko
