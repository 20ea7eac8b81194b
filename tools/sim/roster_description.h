#pragma once
// The factory opponents written as a readable description, one Doll a line: its name, its
// pilot's skill, the catalogue IDs of its parts and the style of its patterns. The roster
// tool assembles each Doll as the workshop does, programs it with six sensible patterns and
// writes the factory registry files, so every record is the recomputation of its parts.
//
//   # name     skill motor frame computer software  boosters protectors style
//   ブリキ丸      6     1     5      1      1/1/6     1        1,1        striker
//
// Software is mobility/attack/defence; a list of boosters or protectors is comma-separated,
// "-" for none; the style is "striker" or "grappler". "#" starts a comment line.

#include <cstdint>
#include <string>
#include <vector>

#include "coach/sensible_patterns.h"
#include "core/prompter.h"
#include "data/files/game_folder.h"
#include "model/doll.h"

namespace velko::sim {

struct RosterEntry {
  std::string name;
  int16_t skill = 0;
  int16_t motor = 0;
  int16_t frame = 0;
  int16_t hard = 0;
  int16_t softM = 0;
  int16_t softA = 0;
  int16_t softD = 0;
  std::vector<int16_t> boosters;
  std::vector<int16_t> protectors;
  PatternStyle style = PatternStyle::Striker;
};

// Throws std::invalid_argument naming the line and what is wrong with it.
std::vector<RosterEntry> parseRosterDescription(const std::string& text);

// The Doll as the workshop assembles, recomputes and programs it from the catalogue; throws
// std::invalid_argument when a part is not in the catalogue or does not fit.
DollRef buildRosterDoll(const GameFolder& catalogue, const RosterEntry& entry, Prompter& prompter);

// The factory Doll file and program file, as UTF-8 lines with a heading comment.
struct RosterFiles {
  std::vector<std::string> dolls;
  std::vector<std::string> logics;
};
RosterFiles writeRoster(const std::vector<DollRef>& dolls);

// One description line for a Doll's parts, as parseRosterDescription reads it.
std::string describe(const RosterEntry& entry);

}  // namespace velko::sim
