#include "sim/ladder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "battle/headless_seams.h"
#include "sim/reports.h"

namespace velko::sim {

std::array<FighterProfile, kClassCount> rivalsOf(const std::vector<RosterDoll>& roster) {
  std::array<std::vector<FighterProfile>, kClassCount> profiles;
  for (const RosterDoll& d : roster)
    profiles[static_cast<int>(d.dollClass)].push_back(profileOf(*d.doll));
  std::array<FighterProfile, kClassCount> rivals;
  for (int c = 0; c < kClassCount; ++c)
    rivals[c] = averageOf(profiles[c]);
  return rivals;
}

std::vector<LadderRung> climbLadder(const BuildPlanner& planner,
                                    const std::vector<RosterDoll>& roster, int fights,
                                    int16_t skill, Random& rnd) {
  const auto rivals = rivalsOf(roster);
  const int unlimited = 32767 - kLadderStep;
  const BuildPlan dearest =
      planner.best(unlimited, unlimited, skill, rivals[static_cast<int>(DollClass::Master)]);
  std::vector<LadderRung> ladder;
  SilentPrompter prompter;
  int cheapest = 0;
  for (int budget = 0; budget <= dearest.value + kLadderStep - 1; budget += kLadderStep / 5) {
    // The first rung is the cheapest complete Doll; the steps count from there.
    if (cheapest == 0) {
      const BuildPlan first = planner.best(budget - planner.softwareValue(), budget, skill,
                                           rivals[static_cast<int>(DollClass::Novice)]);
      if (!first.complete()) continue;
      cheapest = budget;
    } else if ((budget - cheapest) % kLadderStep != 0) {
      continue;
    }
    const int cap = std::min(budget, dearest.value);
    const auto cls = static_cast<int>(classOf(static_cast<int16_t>(cap)));
    LadderRung rung;
    rung.budget = cap;
    rung.plan = planner.best(cap - planner.softwareValue(), cap, skill, rivals[cls]);
    const DollRef d = planner.assemble(rung.plan, skill, prompter);
    for (const RosterDoll& opponent : roster)
      rung.against[static_cast<int>(opponent.dollClass)] += playBout(d, opponent.doll, fights, rnd);
    ladder.push_back(rung);
    if (cap == dearest.value) break;
  }
  return ladder;
}

std::array<ClassEdges, kClassCount> edgesOf(const std::vector<LadderRung>& ladder) {
  std::array<ClassEdges, kClassCount> edges;
  std::array<bool, kClassCount> seen{};
  for (size_t i = 0; i < ladder.size(); ++i) {
    const LadderRung& rung = ladder[i];
    const int own = static_cast<int>(classOf(static_cast<int16_t>(rung.plan.value)));
    ClassEdges& e = edges[own];
    if (!seen[own]) {
      e.lower = rung.against[own].scoreA();
      e.lowerValue = rung.plan.value;
      seen[own] = true;
    }
    e.upper = rung.against[own].scoreA();
    e.upperValue = rung.plan.value;
    if (i == 0) continue;
    for (int c = 0; c < kClassCount; ++c) {
      const double change = std::abs(rung.against[c].scoreA() - ladder[i - 1].against[c].scoreA());
      edges[c].steepest = std::max(edges[c].steepest, change);
    }
  }
  return edges;
}

void printLadder(std::ostream& out, const std::vector<LadderRung>& ladder,
                 const BuildPlanner& planner) {
  const auto& t = planner.tables();
  out << "budget  value  class   vs Novice vs Expert vs Master  parts (motor/frame/computer"
         " boosters protectors)\n";
  char line[200];
  for (const LadderRung& r : ladder) {
    const auto cls = classOf(static_cast<int16_t>(r.plan.value));
    std::snprintf(line, sizeof line, "%6d %6d  %-7s", r.budget, r.plan.value, className(cls));
    out << line;
    for (const BoutTally& b : r.against)
      out << percent(b.scoreA(), 10);
    out << "  " << r.plan.motor << "/" << r.plan.frame << "/" << r.plan.hard << " b";
    for (int16_t id : r.plan.boosters)
      out << " " << id;
    out << " p";
    for (int16_t id : r.plan.protectors)
      out << " " << id;
    out << "  (" << t.frames[r.plan.frame]->name << ")\n";
  }
  const auto edges = edgesOf(ladder);
  out << "\nclass    lower edge        upper edge        steepest 250 Rl step\n";
  for (int c = 0; c < kClassCount; ++c) {
    const ClassEdges& e = edges[c];
    std::snprintf(line, sizeof line, "%-7s %6d Rl %s%% %6d Rl %s%% %10s points\n",
                  className(static_cast<DollClass>(c)), e.lowerValue, percent(e.lower, 5).c_str(),
                  e.upperValue, percent(e.upper, 5).c_str(), percent(e.steepest, 0).c_str());
    out << line;
  }
}

void writeLadderCsv(const std::string& folder, const std::vector<LadderRung>& ladder) {
  const std::string path = folder + "/ladder.csv";
  std::ofstream file(path);
  if (!file) throw std::runtime_error("cannot write " + path);
  file << "budget,value,class,vs_novice,vs_expert,vs_master,motor,frame,computer,boosters,"
          "protectors\n";
  for (const LadderRung& r : ladder) {
    file << r.budget << ',' << r.plan.value << ','
         << className(classOf(static_cast<int16_t>(r.plan.value)));
    for (const BoutTally& b : r.against)
      file << ',' << b.scoreA();
    file << ',' << r.plan.motor << ',' << r.plan.frame << ',' << r.plan.hard << ',';
    for (size_t k = 0; k < r.plan.boosters.size(); ++k)
      file << (k ? " " : "") << r.plan.boosters[k];
    file << ',';
    for (size_t k = 0; k < r.plan.protectors.size(); ++k)
      file << (k ? " " : "") << r.plan.protectors[k];
    file << '\n';
  }
}

}  // namespace velko::sim
