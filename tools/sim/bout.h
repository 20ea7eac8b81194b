#pragma once
// A series of computer-against-computer fights between two Dolls, the seats taking turns so
// that neither side keeps whatever edge fighter 0 or fighter 1 has.

#include "core/random.h"
#include "model/doll.h"

namespace velko::sim {

// A fight that reaches this many steps is called a draw.
inline constexpr int kDefaultStepCap = 1000;

struct BoutTally {
  int fights = 0;
  int winsA = 0;
  int winsB = 0;
  int draws = 0;
  long steps = 0;

  BoutTally& operator+=(const BoutTally& other);
  // The other side's view of the same fights.
  BoutTally swapped() const;
  // A draw counts half a win.
  double scoreA() const;
  double meanSteps() const;
};

// `fights` fights; a sits in seat 0 in the even-numbered ones. Each fight is fought by copies
// of a and b at full hit points; a and b themselves are left as they are.
BoutTally playBout(const DollRef& a, const DollRef& b, int fights, Random& rnd,
                   int stepCap = kDefaultStepCap);

}  // namespace velko::sim
