#include "art/chip_strip.h"

#include <QLinearGradient>
#include <QPainter>

#include "art/chip_glyphs.h"
#include "art/shading.h"

namespace velko::art {
namespace {

// Chips are coloured by the program that owns the action: mobility green, attack red,
// defence blue.
const QColor kMobility(46, 150, 96);
const QColor kAttack(196, 64, 46);
const QColor kDefence(48, 104, 196);
const QColor kTrash(104, 106, 116);

void chipBase(QPainter& p, QColor colour) {
  const QRectF r(0.5, 0.5, kChip - 1, kChip - 1);
  QLinearGradient g(0, 0, 0, kChip);
  g.setColorAt(0, lighter(colour, 0.3));
  g.setColorAt(0.5, colour);
  g.setColorAt(1, darker(colour, 0.35));
  p.setPen(QPen(darker(colour, 0.7), 1));
  p.setBrush(g);
  p.drawRoundedRect(r, 4, 4);
  p.setPen(QPen(lighter(colour, 0.5), 1));
  p.drawLine(QPointF(3, 1.5), QPointF(kChip - 3, 1.5));
}

void emptySlot(QPainter& p) {
  const QRectF r(0.5, 0.5, kChip - 1, kChip - 1);
  p.setPen(QPen(QColor(16, 16, 20), 1));
  p.setBrush(QColor(36, 38, 46));
  p.drawRoundedRect(r, 4, 4);
  p.setPen(QPen(QColor(24, 24, 30), 1));
  p.drawLine(QPointF(3, 2.5), QPointF(kChip - 3, 2.5));
  p.setPen(QPen(QColor(96, 100, 116), 1, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(5.5, 5.5, kChip - 11, kChip - 11), 2, 2);
}

}  // namespace

QImage chipStrip() {
  struct Tile {
    QColor colour;
    void (*glyph)(QPainter&);
  };
  const Tile tiles[] = {
      {kMobility, glyphMove},     {kMobility, glyphJump},  {kMobility, glyphSpin},
      {kAttack, glyphPunch},      {kAttack, glyphKick},    {kAttack, glyphGrapple},
      {kAttack, glyphThrow},      {kAttack, glyphLock},    {kDefence, glyphBlock},
      {kDefence, glyphBreakFall}, {kDefence, glyphEscape}, {kTrash, glyphTrash}};
  QImage strip(kChip * kChipTiles, kChip, QImage::Format_RGB32);
  strip.fill(QColor(239, 239, 239));  // the editor window behind the round corners
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  int x = 0;
  for (const Tile& tile : tiles) {
    p.save();
    p.translate(x, 0);
    p.setClipRect(0, 0, kChip, kChip);
    chipBase(p, tile.colour);
    tile.glyph(p);
    p.restore();
    x += kChip;
  }
  p.translate(x, 0);
  emptySlot(p);
  return strip;
}

}  // namespace velko::art
