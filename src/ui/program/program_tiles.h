#pragma once
// The chip pictures of the program editor, cut from the strip img/icon0.bmp: tile k at
// x = 28k is action k + 1, then the trash can and the empty slot.

#include <QPixmap>
#include <QString>

namespace velko::ui {

class ProgramTiles {
 public:
  static constexpr int kTile = 28;

  // Loads the strip and scales each tile to size x size pixels.
  ProgramTiles(const QString& stripPath, int size);

  // The chip of action ID 1-11; any other ID gives the empty slot.
  QPixmap action(int id) const;
  QPixmap trash() const { return trash_; }
  QPixmap empty() const { return empty_; }

 private:
  QPixmap cut(const QPixmap& strip, int x, int size) const;

  QPixmap actions_[11];
  QPixmap trash_;
  QPixmap empty_;
};

}  // namespace velko::ui
