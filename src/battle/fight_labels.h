#pragma once
// The label texts the end phase refreshes for both fighters.

#include <array>
#include <string>

namespace velko {

struct BattleState;

struct FightLabels {
  std::array<std::string, 2> name;
  std::array<std::string, 2> motor;   // "Motor:" and the hit points
  std::array<std::string, 2> frame;   // "Frame:" and the hit points
  std::array<std::string, 2> joutai;  // "組まれている", "転倒している" or ""
  std::string span;                   // "距離　" and the distance
};

FightLabels fightLabels(const BattleState& state);

// What the battle screen says for a step whose initiative check a Doll won (the rules tell
// nothing of their own then).
std::string initiativeNote(const std::string& dollName);

}  // namespace velko
