#pragma once
// The pictograms on the program editor's chips, each drawn into a 28 x 28 tile whose origin
// is the tile's top left corner.

#include <QPainter>

namespace velko::art {

void glyphMove(QPainter& p);
void glyphJump(QPainter& p);
void glyphSpin(QPainter& p);
void glyphPunch(QPainter& p);
void glyphKick(QPainter& p);
void glyphGrapple(QPainter& p);
void glyphThrow(QPainter& p);
void glyphLock(QPainter& p);
void glyphBlock(QPainter& p);
void glyphBreakFall(QPainter& p);
void glyphEscape(QPainter& p);
void glyphTrash(QPainter& p);

}  // namespace velko::art
