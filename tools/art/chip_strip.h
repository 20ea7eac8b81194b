#pragma once
// The program editor's chip strip: eleven action chips at x = 28k in action order (move,
// jump, spin, punch, kick, grapple, throw, joint lock, block, break-fall, escape), the trash
// can at x = 308 and the empty slot at x = 336, each 28 x 28.

#include <QImage>

namespace velko::art {

constexpr int kChip = 28;
constexpr int kChipTiles = 13;

QImage chipStrip();

}  // namespace velko::art
