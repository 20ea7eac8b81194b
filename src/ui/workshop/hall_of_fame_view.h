#pragma once
// The hall of fame of the player's folder as a table, best career first; a file that cannot be
// read shows why instead. HallOfFameWindow shows it alone (workshop 情報 → 「殿堂」).

#include <QDialog>
#include <QWidget>

#include "data/files/game_folder.h"

class QTableWidget;

namespace velko::ui {

class HallOfFameView : public QWidget {
  Q_OBJECT

 public:
  explicit HallOfFameView(const GameFolder& folder, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }

 private:
  QTableWidget* table_ = nullptr;
};

class HallOfFameWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HallOfFameWindow(const GameFolder& folder, QWidget* parent = nullptr);
};

}  // namespace velko::ui
