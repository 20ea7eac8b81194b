// VELKO: finds its game folder (see --help) and starts with the title screen.

#include <QApplication>

#include "ui/app.h"
#include "ui/qt_japanese.h"
#include "ui/start_folder.h"
#include "ui/ui_style.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = velko::ui::answerWithoutDisplay(argc, argv)) return *status;
  QApplication application(argc, argv);
  velko::ui::applyGameStyle(application);
  velko::ui::useJapaneseQtTexts(application);
  const std::optional<velko::GameFolder> folder = velko::ui::startFolder(application);
  if (!folder) return 1;
  // The title screen closing must not end the program while the workshop takes over.
  application.setQuitOnLastWindowClosed(false);
  velko::ui::App app(*folder);
  if (!app.start()) return 1;
  return application.exec();
}
