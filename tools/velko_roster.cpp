// velko-roster GAME_FOLDER DESCRIPTION OUT_FOLDER: writes the factory opponents (Dollsv.ini and
// Logicsv.ini, UTF-8) from their readable description, each Doll assembled from the game
// folder's catalogue and programmed with six sensible patterns.
// velko-roster GAME_FOLDER suggest VALUE SKILL [FRAME]: a description line for the strongest
// Doll of shop parts worth at most VALUE (on that frame), to start a new opponent from.

#include <charconv>
#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>

#include "battle/headless_seams.h"
#include "coach/build_planner.h"
#include "sim/ladder.h"
#include "sim/novice_builds.h"
#include "sim/registry_roster.h"
#include "sim/roster_description.h"

namespace {

using namespace velko;
using namespace velko::sim;

const char* const kUsage =
    "usage: velko-roster GAME_FOLDER DESCRIPTION OUT_FOLDER\n"
    "       velko-roster GAME_FOLDER suggest VALUE SKILL [FRAME]\n";

int numberArg(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    throw std::invalid_argument("not a number: " + text);
  return value;
}

void writeLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream file(path, std::ios::binary);
  for (const std::string& line : lines)
    file << line << "\n";
  if (!file) throw std::runtime_error("cannot write " + path);
}

int writeFromDescription(const GameFolder& game, const std::string& description,
                         const std::string& out) {
  std::ifstream in(description, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + description);
  std::stringstream text;
  text << in.rdbuf();
  SilentPrompter prompter;
  std::vector<DollRef> dolls;
  for (const RosterEntry& entry : parseRosterDescription(text.str())) {
    dolls.push_back(buildRosterDoll(game, entry, prompter));
    const doll& d = *dolls.back();
    std::cout << dolls.size() << " " << d.name << " " << className(classOf(d.value)) << " "
              << d.value << "\n";
  }
  if (dolls.size() > 99) throw std::invalid_argument("the registry reads at most 99 Dolls");
  const RosterFiles files = writeRoster(dolls);
  writeLines(out + "/Dollsv.ini", files.dolls);
  writeLines(out + "/Logicsv.ini", files.logics);
  return 0;
}

int suggest(const GameFolder& game, int value, int skill, int frame) {
  const BuildPlanner planner(game);
  const auto rivals = rivalsOf(loadRoster(game, RegistrySource::Factory));
  const auto cls = static_cast<int>(classOf(static_cast<int16_t>(value)));
  const BuildPlan plan =
      planner.best(value - planner.softwareValue(), value, static_cast<int16_t>(skill), rivals[cls],
                   static_cast<int16_t>(frame));
  if (!plan.complete()) {
    std::cerr << "no complete Doll is worth at most " << value << "\n";
    return 1;
  }
  RosterEntry e{"新顔",
                static_cast<int16_t>(skill),
                plan.motor,
                plan.frame,
                plan.hard,
                kStarterSoftM,
                kStarterSoftA,
                kStarterSoftD,
                plan.boosters,
                plan.protectors,
                PatternStyle::Striker};
  std::cout << describe(e) << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 3) return writeFromDescription(GameFolder(args[0]), args[1], args[2]);
    if ((args.size() == 4 || args.size() == 5) && args[1] == "suggest") {
      const int frame = args.size() == 5 ? numberArg(args[4]) : 0;
      return suggest(GameFolder(args[0]), numberArg(args[2]), numberArg(args[3]), frame);
    }
  } catch (const std::exception& e) {
    std::cerr << "velko-roster: " << e.what() << "\n";
    return 1;
  }
  std::cerr << kUsage;
  return 2;
}
