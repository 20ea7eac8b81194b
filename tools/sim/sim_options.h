#pragma once
// The simulator's command line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/registry_roster.h"

namespace velko::sim {

enum class SimCommand { Roster, Slot, NoviceBuild, Career, Ladder, Practice, League };

// How the career command plays: random legal choices checking the invariants, or a pilot whose
// careers are summed up for balance: sensible, coached by the game's advice, or a newcomer.
enum class CareerPolicy { Random, Sensible, Coached, Newcomer };

// The policy a --policy word names; nothing for an unknown word.
std::optional<CareerPolicy> policyOf(const std::string& word);
// The word of a policy, as --policy spells it.
const char* policyName(CareerPolicy policy);

struct SimOptions {
  std::string game;  // the game folder
  SimCommand command = SimCommand::Roster;
  int16_t slot = 0;    // for SimCommand::Slot
  int fights = 40;     // per pair of Dolls
  uint64_t seed = 1;   // the same seed plays the same fights
  int16_t skill = 10;  // the fresh pilot's skill, 3-18
  int runs = 100;      // whole careers, for SimCommand::Career
  RegistrySource registry = RegistrySource::Factory;
  std::string against;  // for SimCommand::Practice: a registry number or a class
  std::string replay;   // for SimCommand::Practice: where to write the worst lost fight
  CareerPolicy policy = CareerPolicy::Random;
  std::string csv;            // a folder for CSV files and charts, or "" for none
  std::string dolls;          // for SimCommand::League: a folder of Doll files
  bool withRegistry = false;  // for SimCommand::League: the registry's Dolls take part
};

// The arguments after the program name. Throws std::invalid_argument naming what is wrong.
SimOptions parseOptions(const std::vector<std::string>& args);

const char* usageText();

}  // namespace velko::sim
