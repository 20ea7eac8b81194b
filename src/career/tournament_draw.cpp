#include "career/tournament_draw.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "core/numbers.h"

namespace velko {

Kumiawase makeKumiawase(const std::vector<int16_t>& eligible, Random& rnd) {
  if (std::ssize(eligible) < kTournamentOpponents)
    throw std::invalid_argument("too few tournament opponents");
  // A 0 would be a second player seat.
  if (std::find(eligible.begin(), eligible.end(), 0) != eligible.end())
    throw std::invalid_argument("an opponent numbered 0");
  rnd.reseedFromClock();
  // The whole eligible list is the pool, so a large registry still draws uniformly.
  std::vector<int16_t> pool = eligible;
  Kumiawase bracket{};
  const int draws = std::min<int>(8, static_cast<int>(pool.size()));
  for (int i = 0; i < draws; ++i) {
    const int k = intFloor(rnd.next() * static_cast<int>(pool.size()));
    bracket[i] = pool[k];
    pool.erase(pool.begin() + k);
  }
  const int seat = intFloor(rnd.next() * 8);
  // With only seven drawn, the entrant in the player's seat moves to the empty last seat, so
  // every seating stays equally likely.
  if (draws < 8) bracket[7] = bracket[seat];
  bracket[seat] = 0;
  return bracket;
}

const DollRef& getAutoWinner(const DollRef& fighter0, const DollRef& fighter1, Random& rnd) {
  const int s0 = intFloor(rnd.next() * 150) + intFloor(rnd.next() * 150);
  const int s1 = intFloor(rnd.next() * 150) + intFloor(rnd.next() * 150);
  if (fighter0->value + s0 >= fighter1->value + s1) return fighter0;
  return fighter1;
}

}  // namespace velko
