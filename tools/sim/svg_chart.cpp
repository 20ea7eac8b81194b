#include "sim/svg_chart.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace velko::sim {

namespace {

constexpr double kWidth = 720;
constexpr double kHeight = 400;
constexpr double kLeft = 60;
constexpr double kRight = 150;
constexpr double kTop = 40;
constexpr double kBottom = 50;

const char* const kClassColours[kClassCount] = {"#2a9d8f", "#e9c46a", "#e76f51"};

std::string fixed(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f", v);
  return buffer;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '<') {
      out += "&lt;";
    } else if (c == '&') {
      out += "&amp;";
    } else {
      out += c;
    }
  }
  return out;
}

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream file(path);
  if (!file) throw std::runtime_error("cannot write " + path);
  file << text;
}

}  // namespace

std::string svgOf(const LineChart& chart) {
  const double plotW = kWidth - kLeft - kRight;
  const double plotH = kHeight - kTop - kBottom;
  const double xMin = chart.xs.empty() ? 0 : chart.xs.front();
  const double xMax = chart.xs.empty() ? 1 : std::max(chart.xs.back(), xMin + 1);
  auto px = [&](double x) { return kLeft + (x - xMin) / (xMax - xMin) * plotW; };
  auto py = [&](double y) { return kTop + (1 - y) * plotH; };
  std::ostringstream svg;
  svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kWidth << "\" height=\"" << kHeight
      << "\" font-family=\"sans-serif\" font-size=\"12\">\n"
      << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
      << "<text x=\"" << kLeft << "\" y=\"24\" font-size=\"15\">" << escaped(chart.title)
      << "</text>\n";
  for (int pct = 0; pct <= 100; pct += 25) {
    const std::string y = fixed(py(pct / 100.0));
    svg << "<line x1=\"" << kLeft << "\" x2=\"" << kLeft + plotW << "\" y1=\"" << y << "\" y2=\""
        << y << "\" stroke=\"#ddd\"/>\n"
        << "<text x=\"" << kLeft - 8 << "\" y=\"" << y
        << "\" text-anchor=\"end\" dominant-baseline=\"middle\">" << pct << "%</text>\n";
  }
  for (double mark : chart.marks) {
    const std::string x = fixed(px(mark));
    svg << "<line x1=\"" << x << "\" x2=\"" << x << "\" y1=\"" << kTop << "\" y2=\"" << kTop + plotH
        << "\" stroke=\"#888\" stroke-dasharray=\"4 4\"/>\n"
        << "<text x=\"" << x << "\" y=\"" << kTop - 4 << "\" text-anchor=\"middle\">" << mark
        << "</text>\n";
  }
  svg << "<line x1=\"" << kLeft << "\" x2=\"" << kLeft + plotW << "\" y1=\"" << kTop + plotH
      << "\" y2=\"" << kTop + plotH << "\" stroke=\"black\"/>\n"
      << "<text x=\"" << kLeft << "\" y=\"" << kTop + plotH + 18 << "\">" << xMin << "</text>\n"
      << "<text x=\"" << kLeft + plotW << "\" y=\"" << kTop + plotH + 18
      << "\" text-anchor=\"end\">" << xMax << "</text>\n"
      << "<text x=\"" << kLeft + plotW / 2 << "\" y=\"" << kHeight - 12
      << "\" text-anchor=\"middle\">" << escaped(chart.xLabel) << "</text>\n";
  for (size_t s = 0; s < chart.series.size(); ++s) {
    const ChartSeries& series = chart.series[s];
    svg << "<polyline fill=\"none\" stroke-width=\"2\" stroke=\"" << series.colour
        << "\" points=\"";
    for (size_t i = 0; i < series.ys.size() && i < chart.xs.size(); ++i)
      svg << fixed(px(chart.xs[i])) << ',' << fixed(py(series.ys[i])) << ' ';
    svg << "\"/>\n";
    const double legendY = kTop + 16 + 20 * static_cast<double>(s);
    svg << "<line x1=\"" << kWidth - kRight + 14 << "\" x2=\"" << kWidth - kRight + 38 << "\" y1=\""
        << legendY << "\" y2=\"" << legendY << "\" stroke-width=\"2\" stroke=\"" << series.colour
        << "\"/>\n"
        << "<text x=\"" << kWidth - kRight + 44 << "\" y=\"" << legendY
        << "\" dominant-baseline=\"middle\">" << escaped(series.name) << "</text>\n";
  }
  svg << "</svg>\n";
  return svg.str();
}

void writeLadderChart(const std::string& path, const std::vector<LadderRung>& ladder) {
  LineChart chart{"Win rate of the strongest Doll at each value, by opponent class",
                  "Doll value (Rl)",
                  {},
                  {},
                  {kNoviceLimit, kExpertLimit}};
  for (int c = 0; c < kClassCount; ++c)
    chart.series.push_back(
        {std::string("vs ") + className(static_cast<DollClass>(c)), kClassColours[c], {}});
  for (const LadderRung& rung : ladder) {
    chart.xs.push_back(rung.plan.value);
    for (int c = 0; c < kClassCount; ++c)
      chart.series[c].ys.push_back(rung.against[c].scoreA());
  }
  writeFile(path, svgOf(chart));
}

void writeCareerChart(const std::string& path, const CareerSummary& summary) {
  LineChart chart{"Share of careers that have won a tournament of each class, by month",
                  "month of the career",
                  {},
                  {},
                  {}};
  for (int m = 1; m <= kCareerMonths; ++m)
    chart.xs.push_back(m);
  for (int c = 0; c < kClassCount; ++c) {
    ChartSeries series{className(static_cast<DollClass>(c)), kClassColours[c], {}};
    int sum = 0;
    for (int m = 0; m < kCareerMonths; ++m) {
      sum += summary.firstWins[c][m];
      series.ys.push_back(summary.runs > 0 ? static_cast<double>(sum) / summary.runs : 0);
    }
    chart.series.push_back(series);
  }
  writeFile(path, svgOf(chart));
}

}  // namespace velko::sim
