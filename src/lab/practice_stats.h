#pragma once
// The numbers a practice run reports: a win rate with its 95% interval, and the mean and
// spread of a sample.

#include <cstdint>

namespace velko {

struct Proportion {
  double rate = 0;
  double low = 0;  // 95% interval (Wilson score), never outside 0..1
  double high = 0;
};

// `hits` of `trials`; all zero for no trials.
Proportion wilson95(int hits, int trials);

// Running sums for a mean and a standard deviation.
class Spread {
 public:
  void add(double x);
  int count() const { return n_; }
  double mean() const;
  double lowest() const { return lowest_; }  // 0 before the first value
  // The sample standard deviation; 0 for fewer than two values.
  double deviation() const;

 private:
  int n_ = 0;
  double sum_ = 0;
  double squares_ = 0;
  double lowest_ = 0;
};

}  // namespace velko
