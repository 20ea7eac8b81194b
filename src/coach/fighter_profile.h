#pragma once
// A quick measure of how a Doll fights, for choosing what to buy: how often its blows land,
// what they take off after armour, how many it throws per action with its patterns and an
// average roll, and how much damage its motor and frame can take. Two profiles give the odds
// of one Doll breaking the other first; the dice of a real fight decide the rest.

#include <cstdint>
#include <vector>

#include "coach/sensible_patterns.h"
#include "model/doll.h"

namespace velko {

struct FighterStats {
  double offence = 0;
  double defence = 0;
  double pow = 0;
  double AC = 0;
  double motorHP = 0;
  double frameHP = 0;
  double move = 0;
  double jump = 0;
  double spin = 0;
  double weight = 0;
  int AP = 0;
};

// A pattern as the computer weighs it: its stored cost and its actions.
struct PatternShape {
  int AP = 0;
  std::vector<int16_t> actions;
};

struct FighterProfile {
  FighterStats stats;
  double hitPoints = 0;  // what motor and frame together take before one of them breaks
  double blows = 0;      // punches and kicks per action
  double bonus = 0;      // power added to those blows per action
  bool closesIn = false;
};

FighterStats statsOf(const doll& d);
// Patterns 0-6 of the Doll.
std::vector<PatternShape> shapesOf(const doll& d);
std::vector<PatternShape> shapesOf(const std::vector<PatternPlan>& plans);

FighterProfile profileOf(const FighterStats& stats, const std::vector<PatternShape>& shapes);
FighterProfile profileOf(const doll& d);

// The chance that an attack of this offence hits a Doll of this defence (ties hit).
double hitChance(double offence, double defence);

// Above 1 when `me` is expected to break `rival` before `rival` breaks it.
double advantage(const FighterProfile& me, const FighterProfile& rival);

// The mean of several profiles, to stand for a class of opponents.
FighterProfile averageOf(const std::vector<FighterProfile>& profiles);

}  // namespace velko
