#pragma once
// Ratings on the Elo scale fitted to every result at once: the Bradley-Terry model, in which
// a side rated d points higher scores 1 / (1 + 10^(-d/400)) on average, by maximum likelihood.
// Each rating comes with a 95% interval from the information the results carry.

#include <cstddef>
#include <vector>

namespace velko {

// The results between n entrants: games played and points scored (a win 1, a draw 1/2).
class PairResults {
 public:
  explicit PairResults(size_t n) : n_(n), games_(n * n), score_(n * n) {}
  size_t size() const { return n_; }
  // `games` between i and j of which i scored `scoreI`.
  void add(size_t i, size_t j, double games, double scoreI);
  double games(size_t i, size_t j) const { return games_[i * n_ + j]; }
  double score(size_t i, size_t j) const { return score_[i * n_ + j]; }

 private:
  size_t n_;
  std::vector<double> games_;
  std::vector<double> score_;
};

struct Rating {
  double elo = 0;     // the mean of all entrants' ratings is 0
  double margin = 0;  // the 95% interval is elo - margin to elo + margin
};

// The points i is expected to score per game against j.
double expectedScore(double eloI, double eloJ);

// Every pair of entrants also counts `priorGames` games of which each side won half, so that
// an entrant that won or lost everything still gets a finite rating (pulled a little towards
// the others) and entrants that never met are not infinitely far apart. With no prior the fit
// is plain maximum likelihood, which needs every entrant to have both scored and conceded.
std::vector<Rating> fitRatings(const PairResults& results, double priorGames = 1.0);

}  // namespace velko
