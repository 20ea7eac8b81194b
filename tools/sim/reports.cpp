#include "sim/reports.h"

#include <cstdio>

#include "sim/player_bouts.h"
#include "sim/text_width.h"

namespace velko::sim {

namespace {

constexpr int kNameColumns = 18;

std::string number(double v, int width, int decimals) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, v);
  return buffer;
}

double drawRate(const BoutTally& t) {
  if (t.fights == 0) return 0;
  return static_cast<double>(t.draws) / t.fights;
}

std::string dollColumns(const RosterDoll& d) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%3d  ", d.number);
  std::string line = buffer;
  line += fitColumns(d.doll->name, kNameColumns);
  std::snprintf(buffer, sizeof buffer, " %-6s %5d", className(d.dollClass), d.doll->value);
  return line + buffer;
}

const char* bandMark(double rate) {
  if (rate < kLowestClassRate || rate > kHighestClassRate) return " !";
  return "";
}

void printClassMatrix(std::ostream& out, const RosterTable& table) {
  out << "class      vs Novice vs Expert vs Master\n";
  for (int a = 0; a < kClassCount; ++a) {
    out << fitColumns(className(static_cast<DollClass>(a)), 9);
    for (int b = 0; b < kClassCount; ++b) {
      const BoutTally t =
          classAgainstClass(table, static_cast<DollClass>(a), static_cast<DollClass>(b));
      out << (t.fights == 0 ? std::string("         -") : percent(t.scoreA(), 10));
    }
    out << "\n";
  }
}

}  // namespace

std::string percent(double rate, int width) {
  return number(rate * 100, width, 1);
}

std::string wholePercent(double rate, int width) {
  return number(rate * 100, width, 0);
}

void printRosterTable(std::ostream& out, const RosterTable& table) {
  out << "  #  name               class  value   all%  class%  draw%  steps  in-class\n";
  for (size_t i = 0; i < table.dolls.size(); ++i) {
    const RosterDoll& d = table.dolls[i];
    const BoutTally all = againstAll(table, i);
    const BoutTally inClass = againstClass(table, i, d.dollClass);
    out << dollColumns(d) << percent(all.scoreA(), 7) << percent(inClass.scoreA(), 8)
        << percent(drawRate(all), 7) << number(all.meanSteps(), 7, 1)
        << number(inClass.meanSteps(), 10, 1) << bandMark(inClass.scoreA()) << "\n";
  }
  out << "\n";
  printClassMatrix(out, table);
  const BoutTally total = allFights(table);
  out << "\nfights " << total.fights << ", mean steps per fight " << number(total.meanSteps(), 0, 1)
      << ", draws " << percent(drawRate(total), 0) << "%\n";
}

void printPlayerTable(std::ostream& out, const std::vector<RosterDoll>& roster,
                      const std::vector<BoutTally>& tallies) {
  out << "  #  name               class  value   win%  draw%  steps\n";
  for (size_t i = 0; i < roster.size() && i < tallies.size(); ++i) {
    out << dollColumns(roster[i]) << percent(tallies[i].scoreA(), 7)
        << percent(drawRate(tallies[i]), 7) << number(tallies[i].meanSteps(), 7, 1) << "\n";
  }
  out << "\n";
  for (int c = 0; c < kClassCount; ++c) {
    const DollClass dollClass = static_cast<DollClass>(c);
    const BoutTally t = againstClassOf(roster, tallies, dollClass);
    if (t.fights == 0) continue;
    out << "against " << fitColumns(className(dollClass), 7) << percent(t.scoreA(), 6) << "%  ("
        << t.fights << " fights, mean steps " << number(t.meanSteps(), 0, 1) << ")\n";
  }
}

}  // namespace velko::sim

namespace velko::sim {

void printBuildHeading(std::ostream& out) {
  out << "build" << std::string(10, ' ') << " price value AP mem    Novice% Expert% Master%"
      << "  vs each Novice\n";
}

void printBuildRow(std::ostream& out, const AssembledBuild& build,
                   const std::vector<RosterDoll>& roster, const std::vector<BoutTally>& tallies) {
  const doll& d = *build.doll;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, " %5d %5d %2d %2d/%-3d", build.price, d.value, d.AP,
                build.memoryUsed, d.Memory);
  out << fitColumns(d.name, 15) << buffer;
  for (int c = 0; c < kClassCount; ++c)
    out << percent(againstClassOf(roster, tallies, static_cast<DollClass>(c)).scoreA(), 8);
  out << " ";
  for (size_t i = 0; i < roster.size() && i < tallies.size(); ++i) {
    if (roster[i].dollClass == DollClass::Novice) out << wholePercent(tallies[i].scoreA(), 4);
  }
  out << "\n";
  for (const std::string& fault : build.faults)
    out << "  ! " << fault << "\n";
}

}  // namespace velko::sim
