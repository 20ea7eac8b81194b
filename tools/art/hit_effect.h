#pragma once
// The hit spark: one 40 x 40 cell at (0, 0) with its mask, drawn like the Doll sprites.

#include "art/masked_sprite.h"

namespace velko::art {

constexpr int kEffectCell = 40;

MaskedSprite hitEffect();

}  // namespace velko::art
