// VELKO: starts in the game folder (the working directory) with the title screen.

#include <QApplication>

#include "ui/app.h"
#include "ui/ui_style.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  velko::ui::applyGameStyle(application);
  // The title screen closing must not end the program while the workshop takes over.
  application.setQuitOnLastWindowClosed(false);
  velko::ui::App app;
  if (!app.start()) return 1;
  return application.exec();
}
