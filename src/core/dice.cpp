#include "core/dice.h"

#include "core/numbers.h"

namespace velko {

int die(Random& rnd) {
  return intFloor(rnd.next() * 6) + 1;
}

int roll2D6(Random& rnd) {
  const int first = intFloor(rnd.next() * 6);
  const int second = intFloor(rnd.next() * 6);
  return first + second + 2;
}

int roll2D8(Random& rnd) {
  const int first = intFloor(rnd.next() * 8);
  const int second = intFloor(rnd.next() * 8);
  return first + second + 2;
}

}  // namespace velko
