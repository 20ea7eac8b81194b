#pragma once
// What a league's results show: the standings sorted by rating, each entrant's games, wins,
// losses and average score; the cross table of every pair with what the ratings expected of
// it; each entrant's rating run by run; and a pair's worst loss fought again.

#include <optional>
#include <string>
#include <vector>

#include "league/bradley_terry.h"
#include "league/league.h"
#include "replay/fight_recording.h"

namespace velko {

struct StandingRow {
  int entrant = 0;
  Rating rating;
  int games = 0;
  int wins = 0;
  int losses = 0;
  int draws = 0;
  double averageScore = 0;  // the mean over its opponents of the share of points it took
};

struct CrossCell {
  BoutTally tally;       // the row's entrant against the column's
  double expected = 0;   // the points per fight the ratings expect of the row's entrant
  double deviation = 0;  // how many standard deviations the score lies above what was expected
};

struct LeagueTable {
  std::vector<StandingRow> rows;              // highest rating first
  std::vector<std::vector<CrossCell>> cells;  // [row][column], both in the rows' order
};

// The standings of the runs given by index, fitted to all their results at once.
LeagueTable leagueTable(const League& league, const std::vector<size_t>& runs);
// The same for every run.
LeagueTable leagueTable(const League& league);

// Each entrant's rating in each run on its own, [run][entrant]; empty where it did not fight.
std::vector<std::vector<std::optional<double>>> ratingHistory(const League& league);

// The worst of the runs' worst losses of `loser` against `winner` (the winner left with the
// most hit points, then the shortest fight), fought again and recorded; `dolls` are the
// entrants' Dolls. Empty when it never lost to that opponent.
std::optional<FightRecording> pairWorstLoss(const League& league, const std::vector<DollRef>& dolls,
                                            int loser, int winner);

}  // namespace velko
