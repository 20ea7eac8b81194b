#include "lab/practice_stats.h"

#include <algorithm>
#include <cmath>

namespace velko {

Proportion wilson95(int hits, int trials) {
  if (trials <= 0) return {};
  constexpr double z = 1.959963984540054;
  const double n = trials;
  const double p = hits / n;
  const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
  const double half = z / (1 + z * z / n) * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
  return {p, std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

void Spread::add(double x) {
  lowest_ = n_ == 0 ? x : std::min(lowest_, x);
  ++n_;
  sum_ += x;
  squares_ += x * x;
}

double Spread::mean() const {
  return n_ == 0 ? 0 : sum_ / n_;
}

double Spread::deviation() const {
  if (n_ < 2) return 0;
  const double variance = (squares_ - sum_ * sum_ / n_) / (n_ - 1);
  return variance > 0 ? std::sqrt(variance) : 0;
}

}  // namespace velko
