#include "career/career_state.h"

namespace velko {

CareerState::CareerState(Random& rnd)
    : Owners{std::make_shared<Owner>(rnd), std::make_shared<Owner>(rnd)},
      Dolls{std::make_shared<doll>(), std::make_shared<doll>()} {}

SlotState CareerState::slotState() {
  return SlotState{Owners, Dolls, gameDate, playMusic, guideOn, duelistState};
}

}  // namespace velko
