#include "ui/widgets/game_icon.h"

#include <QApplication>
#include <QIcon>

namespace velko::ui {

namespace {

QString& iconFile() {
  static QString file;
  return file;
}

}  // namespace

void setGameIconFile(const QString& fileName) {
  iconFile() = fileName;
}

void useGameIcon() {
  if (iconFile().isEmpty()) return;
  QApplication::setWindowIcon(QIcon(iconFile()));
  iconFile().clear();
}

}  // namespace velko::ui
