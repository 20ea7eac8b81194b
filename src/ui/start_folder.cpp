#include "ui/start_folder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <cstdlib>
#include <iostream>

#include "data/game_folder_choice.h"

#ifndef VELKO_VERSION
#define VELKO_VERSION "0"
#endif
#ifndef VELKO_INSTALLED_DATA_DIR
#define VELKO_INSTALLED_DATA_DIR "/usr/share/games/velko"
#endif

namespace velko::ui {

namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

void refuse(const std::string& message) {
  std::cerr << "velko: " << message << "\n";
  // Without a screen nobody could close the box, and the program would never end.
  if (QGuiApplication::platformName() == "offscreen") return;
  QMessageBox::critical(nullptr, "VELKO", QString::fromStdString(message));
}

}  // namespace

std::optional<GameFolder> startFolder(QApplication& application, QString* language) {
  application.setApplicationVersion(VELKO_VERSION);
  QCommandLineParser parser;
  parser.setApplicationDescription("VELKO: build a fighting Doll and send it into the ring.");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption gameFolder(
      "game-folder", "Play from DIR (its ini/, img/, midi/ and save/) instead.", "DIR");
  parser.addOption(gameFolder);
  const QCommandLineOption lang(
      "lang",
      "Play in LANG: ja (Japanese) or en (English). Without it, the language chosen in "
      "the game, or else the system's.",
      "LANG");
  parser.addOption(lang);
  parser.process(application);
  if (language) *language = parser.value(lang);

  GameFolderPlaces places;
  places.option = parser.value(gameFolder).toStdString();
  places.velkoHome = environment("VELKO_HOME");
  places.workingDir = QDir::currentPath().toStdString();
  places.installedData = VELKO_INSTALLED_DATA_DIR;
  places.xdgDataHome = environment("XDG_DATA_HOME");
  places.home = environment("HOME");

  const GameFolderChoice choice = chooseGameFolder(places);
  if (!choice.folder) {
    refuse(choice.error);
    return std::nullopt;
  }
  const std::vector<std::string> missing = missingCatalogueFiles(*choice.folder);
  if (!missing.empty()) {
    refuse(missingCatalogueMessage(*choice.folder, missing));
    return std::nullopt;
  }
  return choice.folder;
}

}  // namespace velko::ui
