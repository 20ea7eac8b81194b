#include "sim/balance_commands.h"

#include <chrono>
#include <filesystem>
#include <iostream>

#include "sim/career_report.h"
#include "sim/coached_career.h"
#include "sim/ladder.h"
#include "sim/scratch_folder.h"
#include "sim/sensible_career.h"
#include "sim/sim_random.h"
#include "sim/svg_chart.h"

namespace velko::sim {

namespace {

double secondsSince(std::chrono::steady_clock::time_point started) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

void makeFolder(const std::string& folder) {
  std::filesystem::create_directories(folder);
}

}  // namespace

int runPolicyCareers(const SimOptions& o) {
  const auto started = std::chrono::steady_clock::now();
  // Careers write save slots, so they play in a scratch copy of the folder.
  const ScratchGameFolder scratch(GameFolder(o.game));
  CareerSummary summary;
  if (o.policy == CareerPolicy::Coached) {
    summary = summarize(playCoachedCareers(scratch.folder(), o.runs, o.seed));
  } else if (o.policy == CareerPolicy::Newcomer) {
    summary = summarize(playNewcomerCareers(scratch.folder(), o.runs, o.seed));
  } else {
    summary = summarize(playSensibleCareers(scratch.folder(), o.runs, o.seed));
  }
  std::cout << "seed " << o.seed << "\n";
  printCareerSummary(std::cout, summary, policyName(o.policy));
  if (!o.csv.empty()) {
    makeFolder(o.csv);
    writeCareerCsv(o.csv, summary);
    writeCareerChart(o.csv + "/careers.svg", summary);
  }
  std::cout << "time " << secondsSince(started) << " s\n";
  return 0;
}

int runLadder(const SimOptions& o) {
  const auto started = std::chrono::steady_clock::now();
  const GameFolder game(o.game);
  const BuildPlanner planner(game);
  const auto roster = loadRoster(game, o.registry);
  SeededRandom rnd(o.seed);
  const auto ladder = climbLadder(planner, roster, o.fights, o.skill, rnd);
  std::cout << "ladder: pilot skill " << o.skill << ", " << o.fights << " fights against each of "
            << roster.size() << " opponents per rung, seed " << o.seed << "\n\n";
  printLadder(std::cout, ladder, planner);
  if (!o.csv.empty()) {
    makeFolder(o.csv);
    writeLadderCsv(o.csv, ladder);
    writeLadderChart(o.csv + "/ladder.svg", ladder);
  }
  std::cout << "time " << secondsSince(started) << " s\n";
  return 0;
}

}  // namespace velko::sim
