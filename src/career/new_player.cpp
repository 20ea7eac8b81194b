#include "career/new_player.h"

#include "core/numbers.h"
#include "core/shown_text.h"

namespace velko {

void initPlayer(Owner& player, Random& rnd) {
  player.name = shown("秋津遥人");
  rnd.reseedFromClock();
  const int r1 = intFloor(rnd.next() * 6);
  const int r2 = intFloor(rnd.next() * 6);
  const int r3 = intFloor(rnd.next() * 6);
  player.skillPlay = static_cast<int16_t>(r1 + r2 + r3 + 3);
  const int r4 = intFloor(rnd.next() * 4);
  const int r5 = intFloor(rnd.next() * 4);
  player.Rl = static_cast<int16_t>((r4 + r5 + 2) * 100 + 800);
}

std::shared_ptr<Owner> freshOwner(Random& rnd) {
  auto owner = std::make_shared<Owner>();
  owner->putInitRl(rnd);
  return owner;
}

}  // namespace velko
