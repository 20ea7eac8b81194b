#pragma once
// Qt's own texts (the file dialog, OK/Cancel/Yes/No of plain message boxes) in Japanese, so a
// player never meets English in the middle of a Japanese game.

#include <QApplication>

namespace velko::ui {

// Installs Qt's Japanese translation when the system has it; true when it was found.
bool useJapaneseQtTexts(QApplication& application);

}  // namespace velko::ui
