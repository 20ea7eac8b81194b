#include "league/league_table.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace velko {

namespace {

// Every pair's fights over the runs, entrant against entrant, and who took part.
struct PairSums {
  explicit PairSums(size_t n) : tally(n, std::vector<BoutTally>(n)), present(n, false) {}
  std::vector<std::vector<BoutTally>> tally;  // [x][y] from x's side
  std::vector<bool> present;
};

PairSums sumRuns(const League& league, const std::vector<size_t>& runs) {
  PairSums sums(league.entrants.size());
  for (size_t r : runs) {
    const LeagueRun& run = league.runs.at(r);
    for (int e : run.entrants)
      sums.present.at(static_cast<size_t>(e)) = true;
    for (const PairRecord& p : run.pairs) {
      sums.tally.at(p.a).at(p.b) += p.tally;
      sums.tally.at(p.b).at(p.a) += p.tally.swapped();
    }
  }
  return sums;
}

std::vector<size_t> presentEntrants(const PairSums& sums) {
  std::vector<size_t> out;
  for (size_t e = 0; e < sums.present.size(); ++e) {
    if (sums.present[e]) out.push_back(e);
  }
  return out;
}

std::vector<Rating> ratingsOf(const PairSums& sums, const std::vector<size_t>& who) {
  PairResults results(who.size());
  for (size_t x = 0; x < who.size(); ++x) {
    for (size_t y = x + 1; y < who.size(); ++y) {
      const BoutTally& t = sums.tally[who[x]][who[y]];
      results.add(x, y, t.fights, t.winsA + 0.5 * t.draws);
    }
  }
  return fitRatings(results);
}

StandingRow standing(const PairSums& sums, size_t e, const Rating& r) {
  StandingRow row;
  row.entrant = static_cast<int>(e);
  row.rating = r;
  double scores = 0;
  int opponents = 0;
  for (const BoutTally& t : sums.tally[e]) {
    if (t.fights == 0) continue;
    row.games += t.fights;
    row.wins += t.winsA;
    row.losses += t.winsB;
    row.draws += t.draws;
    scores += t.scoreA();
    ++opponents;
  }
  row.averageScore = opponents > 0 ? scores / opponents : 0;
  return row;
}

CrossCell cell(const BoutTally& t, const Rating& mine, const Rating& theirs) {
  CrossCell c;
  c.tally = t;
  c.expected = expectedScore(mine.elo, theirs.elo);
  const double spread = std::sqrt(t.fights * c.expected * (1 - c.expected));
  if (spread > 0) c.deviation = (t.winsA + 0.5 * t.draws - t.fights * c.expected) / spread;
  return c;
}

}  // namespace

LeagueTable leagueTable(const League& league, const std::vector<size_t>& runs) {
  const PairSums sums = sumRuns(league, runs);
  const std::vector<size_t> who = presentEntrants(sums);
  const std::vector<Rating> ratings = ratingsOf(sums, who);
  LeagueTable table;
  for (size_t k = 0; k < who.size(); ++k)
    table.rows.push_back(standing(sums, who[k], ratings[k]));
  std::stable_sort(
      table.rows.begin(), table.rows.end(),
      [](const StandingRow& a, const StandingRow& b) { return a.rating.elo > b.rating.elo; });
  for (const StandingRow& row : table.rows) {
    std::vector<CrossCell> line;
    for (const StandingRow& col : table.rows)
      line.push_back(cell(sums.tally[row.entrant][col.entrant], row.rating, col.rating));
    table.cells.push_back(std::move(line));
  }
  return table;
}

LeagueTable leagueTable(const League& league) {
  std::vector<size_t> all(league.runs.size());
  std::iota(all.begin(), all.end(), size_t{0});
  return leagueTable(league, all);
}

std::vector<std::vector<std::optional<double>>> ratingHistory(const League& league) {
  std::vector<std::vector<std::optional<double>>> history;
  for (size_t r = 0; r < league.runs.size(); ++r) {
    std::vector<std::optional<double>> line(league.entrants.size());
    for (const StandingRow& row : leagueTable(league, {r}).rows)
      line[row.entrant] = row.rating.elo;
    history.push_back(std::move(line));
  }
  return history;
}

std::optional<FightRecording> pairWorstLoss(const League& league, const std::vector<DollRef>& dolls,
                                            int loser, int winner) {
  std::optional<FightRecording> worst;
  double worstShare = -1;
  for (const LeagueRun& run : league.runs) {
    for (const PairRecord& p : run.pairs) {
      const bool loserIsA = p.a == loser && p.b == winner;
      if (!loserIsA && !(p.b == loser && p.a == winner)) continue;
      std::optional<RecordedSeriesFight> f =
          worstLossOf(run, p, loserIsA ? 0 : 1, *dolls.at(p.a), *dolls.at(p.b));
      if (!f) continue;
      if (f->winnerShare > worstShare ||
          (f->winnerShare == worstShare && f->recording.steps < worst->steps)) {
        worstShare = f->winnerShare;
        worst = std::move(f->recording);
      }
    }
  }
  return worst;
}

}  // namespace velko
