#include "ui/program/program_tiles.h"

#include <QPainter>

namespace velko::ui {

namespace {

constexpr int kTrashX = 308;
constexpr int kEmptyX = 336;

// A plain tile in place of a missing strip, so the editor still works without its pictures.
QPixmap plainTile(int size) {
  QPixmap tile(size, size);
  tile.fill(QColor(0x3a, 0x44, 0x52));
  QPainter painter(&tile);
  painter.setPen(QColor(0x5a, 0x66, 0x76));
  painter.drawRect(0, 0, size - 1, size - 1);
  return tile;
}

}  // namespace

ProgramTiles::ProgramTiles(const QString& stripPath, int size) {
  const QPixmap strip(stripPath);
  for (int k = 0; k < 11; ++k)
    actions_[k] = cut(strip, k * kTile, size);
  trash_ = cut(strip, kTrashX, size);
  empty_ = cut(strip, kEmptyX, size);
}

QPixmap ProgramTiles::action(int id) const {
  if (id < 1 || id > 11) return empty_;
  return actions_[id - 1];
}

QPixmap ProgramTiles::cut(const QPixmap& strip, int x, int size) const {
  if (strip.width() < x + kTile || strip.height() < kTile) return plainTile(size);
  const QPixmap tile = strip.copy(x, 0, kTile, kTile);
  return tile.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace velko::ui
