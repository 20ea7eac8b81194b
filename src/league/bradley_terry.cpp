#include "league/bradley_terry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace velko {

namespace {

constexpr double kEloPerNatural = 400.0 / std::numbers::ln10;
constexpr double kZ95 = 1.959963984540054;
constexpr int kMostSweeps = 100000;
constexpr double kSettled = 1e-12;  // the largest change of a log-strength that ends the fit

// The results with the prior's half-won games added to every pair.
PairResults withPrior(const PairResults& results, double priorGames) {
  const size_t n = results.size();
  PairResults all(n);
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = i + 1; j < n; ++j)
      all.add(i, j, results.games(i, j) + priorGames, results.score(i, j) + priorGames / 2);
  }
  return all;
}

// Strengths (10^(elo/400) up to a common factor) by the minorize-maximize iteration, which
// climbs the likelihood at every sweep: s_i = points_i / sum_j games_ij / (s_i + s_j).
std::vector<double> fitStrengths(const PairResults& r) {
  const size_t n = r.size();
  std::vector<double> points(n, 0.0);
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j < n; ++j)
      points[i] += r.score(i, j);
  }
  std::vector<double> s(n, 1.0);
  for (int sweep = 0; sweep < kMostSweeps; ++sweep) {
    double change = 0;
    double logSum = 0;
    for (size_t i = 0; i < n; ++i) {
      double denominator = 0;
      for (size_t j = 0; j < n; ++j) {
        if (j != i && r.games(i, j) > 0) denominator += r.games(i, j) / (s[i] + s[j]);
      }
      const double next = denominator > 0 ? points[i] / denominator : s[i];
      change = std::max(change, std::abs(std::log(next) - std::log(s[i])));
      s[i] = next;
      logSum += std::log(next);
    }
    const double mean = std::exp(logSum / static_cast<double>(n));
    for (double& x : s)
      x /= mean;
    if (change < kSettled) break;
  }
  return s;
}

// The inverse of a positive definite matrix, by Gauss-Jordan elimination with partial
// pivoting.
std::vector<std::vector<double>> inverse(std::vector<std::vector<double>> a) {
  const size_t n = a.size();
  std::vector<std::vector<double>> inv(n, std::vector<double>(n, 0.0));
  for (size_t i = 0; i < n; ++i)
    inv[i][i] = 1;
  for (size_t c = 0; c < n; ++c) {
    size_t pivot = c;
    for (size_t r = c + 1; r < n; ++r) {
      if (std::abs(a[r][c]) > std::abs(a[pivot][c])) pivot = r;
    }
    std::swap(a[c], a[pivot]);
    std::swap(inv[c], inv[pivot]);
    const double d = a[c][c];
    for (size_t k = 0; k < n; ++k) {
      a[c][k] /= d;
      inv[c][k] /= d;
    }
    for (size_t r = 0; r < n; ++r) {
      if (r == c || a[r][c] == 0) continue;
      const double f = a[r][c];
      for (size_t k = 0; k < n; ++k) {
        a[r][k] -= f * a[c][k];
        inv[r][k] -= f * inv[c][k];
      }
    }
  }
  return inv;
}

// The variances of the log-strengths whose mean is held at zero: the diagonal of the
// pseudo-inverse of the information matrix L, which is (L + J/n)^-1 - J/n (J all ones) since
// L's rows sum to zero.
std::vector<double> variances(const PairResults& r, const std::vector<double>& s) {
  const size_t n = r.size();
  const double shift = 1.0 / static_cast<double>(n);
  std::vector<std::vector<double>> info(n, std::vector<double>(n, shift));
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = 0; j < n; ++j) {
      if (j == i) continue;
      const double p = s[i] / (s[i] + s[j]);
      const double w = r.games(i, j) * p * (1 - p);
      info[i][j] -= w;
      info[i][i] += w;
    }
  }
  const std::vector<std::vector<double>> covariance = inverse(std::move(info));
  std::vector<double> out(n);
  for (size_t i = 0; i < n; ++i)
    out[i] = std::max(0.0, covariance[i][i] - shift);
  return out;
}

}  // namespace

void PairResults::add(size_t i, size_t j, double games, double scoreI) {
  games_[i * n_ + j] += games;
  games_[j * n_ + i] += games;
  score_[i * n_ + j] += scoreI;
  score_[j * n_ + i] += games - scoreI;
}

double expectedScore(double eloI, double eloJ) {
  return 1.0 / (1.0 + std::pow(10.0, (eloJ - eloI) / 400.0));
}

std::vector<Rating> fitRatings(const PairResults& results, double priorGames) {
  const size_t n = results.size();
  if (n == 0) return {};
  const PairResults r = withPrior(results, priorGames);
  const std::vector<double> s = fitStrengths(r);
  const std::vector<double> v = n > 1 ? variances(r, s) : std::vector<double>(n, 0.0);
  std::vector<Rating> ratings(n);
  for (size_t i = 0; i < n; ++i)
    ratings[i] = {std::log(s[i]) * kEloPerNatural, kZ95 * std::sqrt(v[i]) * kEloPerNatural};
  return ratings;
}

}  // namespace velko
