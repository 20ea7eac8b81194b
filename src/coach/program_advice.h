#pragma once
// The coach's advice in the program editor: six patterns for the Doll's software, within its
// CPU (no pattern dearer than the best roll of action points it can have) and its memory (all
// six together),
// found by hill-climbing: from the better of today's program and the sensible ones, one
// pattern change at a time, a change kept when it wins more lab fights against the class's
// opponents on the same dice. The Doll is never touched: every fight is on a copy.

#include <string>
#include <vector>

#include "coach/coach_run.h"
#include "coach/sensible_patterns.h"
#include "program/program_model.h"

namespace velko {

// Changes tried, and fights per opponent for each, and for the two figures shown at the end.
inline constexpr int kProgramSteps = 60;
inline constexpr int kStepFightsEach = 20;
inline constexpr int kShownFightsEach = 100;
// The registry keeps six actions of a pattern.
inline constexpr size_t kPatternActions = 6;

struct ProgramProposal {
  std::vector<PatternPlan> patterns;  // six, each within the limits
  WinMeasure today;                   // the Doll's program as registered
  WinMeasure proposed;
  int changesKept = 0;
  bool cancelled = false;
};

// The patterns fit the Doll: at most six actions each, none dearer than its AP plus the best
// roll of two dice, all within its memory.
bool patternsFit(const doll& d, const std::vector<PatternPlan>& patterns);

// Patterns 0-5 of the Doll as registered, priced; empty ones are left out.
std::vector<PatternPlan> registeredPatterns(const doll& d);

// A copy of the Doll programmed with these patterns, as the editor would register them.
DollRef programmedCopy(const doll& d, const std::vector<PatternPlan>& patterns);

// The proposal as the program editor takes it.
std::vector<PatternActions> editorPatterns(const std::vector<PatternPlan>& patterns);

ProgramProposal adviseProgram(const doll& d, const std::vector<PracticeOpponent>& opponents,
                              const CoachControl& control = {});

}  // namespace velko
