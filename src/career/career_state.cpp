#include "career/career_state.h"

#include "career/new_player.h"

namespace velko {

CareerState::CareerState(Random& rnd)
    : Owners{freshOwner(rnd), freshOwner(rnd)},
      Dolls{std::make_shared<doll>(), std::make_shared<doll>()} {}

SlotState CareerState::slotState() {
  return SlotState{Owners, Dolls, gameDate, playMusic, guideOn, duelistState};
}

}  // namespace velko
