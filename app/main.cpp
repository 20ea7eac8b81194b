// VELKO: finds its game folder (see --help) and starts with the title screen.

#include <QApplication>

#include "ui/app/app.h"
#include "ui/app/language.h"
#include "ui/app/start_folder.h"
#include "ui/widgets/ui_style.h"

int main(int argc, char** argv) {
  if (const std::optional<int> status = velko::ui::answerWithoutDisplay(argc, argv)) return *status;
  QApplication application(argc, argv);
  velko::ui::applyGameStyle(application);
  QString languageOption;
  QString namedFile;
  const std::optional<velko::GameFolder> folder =
      velko::ui::startFolder(application, &languageOption, &namedFile);
  if (!folder) return 1;
  const velko::ui::Language language = velko::ui::chooseLanguage(
      languageOption, velko::ui::rememberedLanguage(*folder), QLocale::system());
  velko::ui::useLanguage(application, language, *folder);
  // The title screen closing must not end the program while the workshop takes over.
  application.setQuitOnLastWindowClosed(false);
  velko::ui::App app(*folder);
  app.openWhenReady(namedFile);
  if (!app.start()) return 1;
  return application.exec();
}
