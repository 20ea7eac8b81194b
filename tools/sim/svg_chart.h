#pragma once
// Plain SVG line charts of the balance runs, readable in any browser: the ladder curve (win
// rate against each class by the Doll's value, with the class edges marked) and the career
// months (the share of careers that have won a tournament of each class by each month).

#include <string>
#include <vector>

#include "sim/career_report.h"
#include "sim/ladder.h"

namespace velko::sim {

struct ChartSeries {
  std::string name;
  std::string colour;
  std::vector<double> ys;  // 0-1, one per x
};

struct LineChart {
  std::string title;
  std::string xLabel;
  std::vector<double> xs;
  std::vector<ChartSeries> series;
  std::vector<double> marks;  // x positions of dashed vertical lines
};

// The chart as SVG text; y runs from 0 to 100 %.
std::string svgOf(const LineChart& chart);

// Writes the chart; throws std::runtime_error when the file cannot be written.
void writeLadderChart(const std::string& path, const std::vector<LadderRung>& ladder);
void writeCareerChart(const std::string& path, const CareerSummary& summary);

}  // namespace velko::sim
