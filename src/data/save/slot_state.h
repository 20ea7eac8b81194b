#pragma once
// The shared game state that a save slot holds. Until the career object gives it a home it
// lives in several places (the title screen's Dolls and Owners, the workshop's date and
// options); the slot routines borrow it through these references.

#include <array>
#include <cstdint>
#include <memory>

#include "core/game_date.h"
#include "model/doll.h"
#include "model/owner.h"

namespace velko {

// The workshop's duel-opponent state.
inline constexpr int16_t kDuelistNotReady = 1;
inline constexpr int16_t kDuelistReady = 2;

struct SlotState {
  // Index 0 the player, index 1 the duel opponent.
  std::array<std::shared_ptr<Owner>, 2>& Owners;
  std::array<DollRef, 2>& Dolls;
  GameDate& gameDate;
  bool& playMusic;
  bool& guideOn;
  int16_t& duelistState;
};

}  // namespace velko
