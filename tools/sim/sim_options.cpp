#include "sim/sim_options.h"

#include <charconv>
#include <stdexcept>

namespace velko::sim {

namespace {

template <typename T>
T numberArg(const std::string& text, const std::string& what, T lowest, T highest) {
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
    throw std::invalid_argument(what + " must be a number from " + std::to_string(lowest) + " to " +
                                std::to_string(highest) + ": " + text);
  return value;
}

// Positional arguments: GAME_FOLDER, the command, and the slot number after "slot".
void takePositional(SimOptions& o, const std::string& arg, int& position) {
  if (position == 0) {
    o.game = arg;
  } else if (position == 1) {
    if (arg == "roster") {
      o.command = SimCommand::Roster;
    } else if (arg == "slot") {
      o.command = SimCommand::Slot;
    } else if (arg == "novice-build") {
      o.command = SimCommand::NoviceBuild;
    } else if (arg == "career") {
      o.command = SimCommand::Career;
    } else if (arg == "practice") {
      o.command = SimCommand::Practice;
    } else if (arg == "ladder") {
      o.command = SimCommand::Ladder;
    } else if (arg == "league") {
      o.command = SimCommand::League;
    } else {
      throw std::invalid_argument("unknown command: " + arg);
    }
  } else if (position == 2 && o.command == SimCommand::Slot) {
    o.slot = numberArg<int16_t>(arg, "the slot", 0, 9999);
  } else {
    throw std::invalid_argument("unexpected argument: " + arg);
  }
  ++position;
}

}  // namespace

SimOptions parseOptions(const std::vector<std::string>& args) {
  SimOptions o;
  int position = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      takePositional(o, arg, position);
      continue;
    }
    // --registry alone (for league) means the factory registry.
    if (arg == "--registry" &&
        (i + 1 >= args.size() || (args[i + 1] != "factory" && args[i + 1] != "save"))) {
      o.withRegistry = true;
      continue;
    }
    if (i + 1 >= args.size()) throw std::invalid_argument(arg + " needs a value");
    const std::string& value = args[++i];
    if (arg == "--fights") {
      o.fights = numberArg<int>(value, "--fights", 1, 100000);
    } else if (arg == "--seed") {
      o.seed = numberArg<uint64_t>(value, "--seed", 0, UINT64_MAX);
    } else if (arg == "--runs") {
      o.runs = numberArg<int>(value, "--runs", 1, 1000000);
    } else if (arg == "--skill") {
      o.skill = numberArg<int16_t>(value, "--skill", 3, 18);
    } else if (arg == "--slot") {
      o.slot = numberArg<int16_t>(value, "--slot", 0, 9999);
    } else if (arg == "--against") {
      o.against = value;
    } else if (arg == "--replay") {
      o.replay = value;
    } else if (arg == "--policy" && policyOf(value)) {
      o.policy = *policyOf(value);
    } else if (arg == "--csv") {
      o.csv = value;
    } else if (arg == "--registry" && (value == "factory" || value == "save")) {
      o.registry = value == "save" ? RegistrySource::Save : RegistrySource::Factory;
      o.withRegistry = true;
    } else if (arg == "--dolls") {
      o.dolls = value;
    } else {
      throw std::invalid_argument("unknown option: " + arg + " " + value);
    }
  }
  if (position < 2) throw std::invalid_argument("a game folder and a command are needed");
  if (o.command == SimCommand::Slot && position < 3)
    throw std::invalid_argument("slot needs a slot number");
  if (o.command == SimCommand::League && o.dolls.empty() && !o.withRegistry)
    throw std::invalid_argument("league needs --dolls DIR or --registry");
  if (o.command == SimCommand::Practice && o.against.empty())
    throw std::invalid_argument("practice needs --slot N and --against ID|CLASS");
  return o;
}

std::optional<CareerPolicy> policyOf(const std::string& word) {
  for (CareerPolicy p : {CareerPolicy::Random, CareerPolicy::Sensible, CareerPolicy::Coached,
                         CareerPolicy::Newcomer}) {
    if (word == policyName(p)) return p;
  }
  return std::nullopt;
}

const char* policyName(CareerPolicy policy) {
  switch (policy) {
    case CareerPolicy::Sensible:
      return "sensible";
    case CareerPolicy::Coached:
      return "coached";
    case CareerPolicy::Newcomer:
      return "newcomer";
    case CareerPolicy::Random:
      break;
  }
  return "random";
}

const char* usageText() {
  return "usage: velko-sim GAME_FOLDER roster|novice-build|slot N|career|ladder|practice|league "
         "[options]\n"
         "  roster        every registry Doll against every other\n"
         "  slot N        save slot N's Doll against each registry Doll\n"
         "  novice-build  starter Dolls bought with 1300 Rl against the registry\n"
         "  career        whole careers with random legal choices, checking the game's\n"
         "                invariants after every step (in a scratch copy of the folder);\n"
         "                with --policy sensible, a sensible pilot's careers summed up\n"
         "  ladder        the strongest Doll at every 250 Rl of value against each class\n"
         "  practice --slot N --against ID|CLASS\n"
         "                the practice lab: save slot N's Doll as it is against one registry\n"
         "                Doll or every Doll a class's tournament may draw (--fights in all,\n"
         "                default 40; --registry save for the game's current registry;\n"
         "                --replay FILE writes the worst lost fight as a replay file)\n"
         "  league --dolls DIR [--registry [factory|save]]\n"
         "                a round robin of the folder's Doll files (.velkodoll) and the\n"
         "                registry's Dolls on every core: ratings with 95% intervals, games,\n"
         "                wins and losses (--csv DIR: league.csv and league_cross.csv)\n"
         "options:\n"
         "  --fights N             fights per pair (default 40), seats alternate\n"
         "  --seed S               dice seed (default 1)\n"
         "  --registry factory|save  ini/Dollsv.ini (default) or save/EDollsv.ini\n"
         "  --skill S              the pilot's skill for novice-build and ladder (default 10)\n"
         "  --runs N               careers to play (default 100)\n"
         "  --policy random|sensible|coached|newcomer\n"
         "                         how the career command plays (default random)\n"
         "  --csv DIR              also write CSV files and SVG charts into DIR\n";
}

}  // namespace velko::sim
