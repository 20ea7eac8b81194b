// velko-sim GAME_FOLDER roster|slot N|novice-build|career|ladder|practice|league: plays headless
// computer fights between the registry's opponents, a saved Doll or fresh starter Dolls, and prints
// win rates, to check the balance of the shipped opponents and catalogue.

#include <chrono>
#include <exception>
#include <iostream>

#include "data/files/game_folder.h"
#include "sim/balance_commands.h"
#include "sim/career_sim.h"
#include "sim/league_command.h"
#include "sim/novice_builds.h"
#include "sim/player_bouts.h"
#include "sim/practice_run.h"
#include "sim/reports.h"
#include "sim/roster_table.h"
#include "sim/scratch_folder.h"
#include "sim/sim_options.h"
#include "sim/sim_random.h"
#include "sim/slot_player.h"

namespace {

using namespace velko;
using namespace velko::sim;

const char* sourceName(RegistrySource source) {
  return source == RegistrySource::Save ? "save/EDollsv.ini" : "ini/Dollsv.ini";
}

int runRoster(const SimOptions& o, std::vector<RosterDoll> roster, Random& rnd) {
  const RosterTable table = playRoster(std::move(roster), o.fights, rnd);
  printRosterTable(std::cout, table);
  return 0;
}

int runSlot(const SimOptions& o, const std::vector<RosterDoll>& roster, Random& rnd) {
  const DollRef player = loadSlotDoll(GameFolder(o.game), o.slot);
  if (!player) {
    std::cerr << "slot " << o.slot << " holds no Doll that can fight\n";
    return 1;
  }
  std::cout << "slot " << o.slot << ": " << player->name << ", value " << player->value << ", AP "
            << player->AP << "\n";
  printPlayerTable(std::cout, roster, playAgainstRoster(player, roster, o.fights, rnd));
  return 0;
}

int runNoviceBuilds(const SimOptions& o, const std::vector<RosterDoll>& roster, Random& rnd) {
  std::cout << "starter Dolls within " << kNoviceBudget << " Rl, pilot skill " << o.skill << "\n";
  printBuildHeading(std::cout);
  double noviceSum = 0;
  for (const BuildRecipe& recipe : noviceBuilds()) {
    const AssembledBuild build = assemble(GameFolder(o.game), recipe, o.skill);
    const auto tallies = playAgainstRoster(build.doll, roster, o.fights, rnd);
    noviceSum += againstClassOf(roster, tallies, DollClass::Novice).scoreA();
    printBuildRow(std::cout, build, roster, tallies);
  }
  std::cout << "mean against Novice " << percent(noviceSum / noviceBuilds().size(), 0) << "%\n";
  return 0;
}

// Careers write save slots and registrations, so they play in a scratch copy of the folder.
int runCareers(const SimOptions& o) {
  const auto started = std::chrono::steady_clock::now();
  const ScratchGameFolder scratch(GameFolder(o.game));
  const CareerTally t = playCareers(scratch.folder(), o.runs, o.seed);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
  std::cout << "careers " << t.runs << ", steps " << t.steps << ", fights " << t.fights
            << ", tournaments " << t.tournaments << ", championships " << t.championships
            << ", work days " << t.workDays << ", saves and loads " << t.saves << "\n";
  std::cout << "violations " << t.violations.size() << "\n";
  for (size_t i = 0; i < t.violations.size() && i < 20; ++i)
    std::cout << "  " << t.violations[i] << "\n";
  std::cout << "time " << elapsed.count() << " s\n";
  return t.violations.empty() ? 0 : 1;
}

int run(const SimOptions& o) {
  if (o.command == SimCommand::Career)
    return o.policy == CareerPolicy::Random ? runCareers(o) : runPolicyCareers(o);
  if (o.command == SimCommand::Ladder) return runLadder(o);
  if (o.command == SimCommand::Practice) return runPracticeCommand(o, std::cout, std::cerr);
  if (o.command == SimCommand::League) return runLeagueCommand(o, std::cout, std::cerr);
  const auto started = std::chrono::steady_clock::now();
  std::vector<RosterDoll> roster = loadRoster(GameFolder(o.game), o.registry);
  std::cout << "registry " << sourceName(o.registry) << ": " << roster.size() << " Dolls, "
            << o.fights << " fights per pair, seed " << o.seed << "\n\n";
  SeededRandom rnd(o.seed);
  int status = 0;
  switch (o.command) {
    case SimCommand::Roster:
      status = runRoster(o, std::move(roster), rnd);
      break;
    case SimCommand::Slot:
      status = runSlot(o, roster, rnd);
      break;
    case SimCommand::NoviceBuild:
      status = runNoviceBuilds(o, roster, rnd);
      break;
    case SimCommand::Career:
    case SimCommand::Practice:
    case SimCommand::Ladder:
    case SimCommand::League:
      break;
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
  std::cout << "time " << elapsed.count() << " s\n";
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  SimOptions options;
  try {
    options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& e) {
    std::cerr << e.what() << "\n" << usageText();
    return 2;
  }
  try {
    return run(options);
  } catch (const std::exception& e) {
    std::cerr << "velko-sim: " << e.what() << "\n";
    return 1;
  }
}
