#pragma once
// What the sensible careers add up to: per class the share of careers that won a tournament
// and by which month, tournaments entered and won, parts destroyed per entry; the money over
// the months; the final record.

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "sim/sensible_career.h"

namespace velko::sim {

struct ClassSummary {
  double winnerShare = 0;     // careers with at least one championship
  double medianFirstWin = 0;  // month, over the careers that won; 0 when none did
  int entered = 0;
  int championships = 0;
  int fightsWon = 0;
  double destroyedPerEntry = 0;  // parts
  double entriesWithLoss = 0;    // share of entries that destroyed a part
};

struct CareerSummary {
  int runs = 0;
  std::array<ClassSummary, kClassCount> classes;
  // Money at the end of each month: lower quartile, median, upper quartile.
  std::array<std::array<double, 3>, kCareerMonths> money{};
  // The Doll's value at the end of each month, the same quartiles.
  std::array<std::array<double, 3>, kCareerMonths> dollValue{};
  // Of the careers that entered a Novice tournament, the share that won the first bout of
  // their first one.
  double firstNoviceBoutWon = 0;
  double workDays = 0;
  double wins = 0;
  double losses = 0;
  double championships = 0;
  // How many careers won their first tournament of each class in each month.
  std::array<std::array<int, kCareerMonths>, kClassCount> firstWins{};
};

CareerSummary summarize(const std::vector<SensibleCareer>& careers);

// `policy` names the pilot in the heading ("sensible careers 1000").
void printCareerSummary(std::ostream& out, const CareerSummary& s,
                        const std::string& policy = "sensible");

// careers-classes.csv, careers-money.csv and careers-months.csv in `folder`.
void writeCareerCsv(const std::string& folder, const CareerSummary& s);

// The q-quantile (0-1) of the values, interpolated; 0 for none.
double quantile(std::vector<double> values, double q);

}  // namespace velko::sim
