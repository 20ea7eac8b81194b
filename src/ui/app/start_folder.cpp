#include "ui/app/start_folder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdlib>
#include <iostream>

#include "core/game_version.h"
#include "data/files/game_folder_choice.h"

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

// The options of the game, in English as the manual page gives them.
struct StartOptions {
  StartOptions() {
    QCoreApplication::setApplicationVersion(QString::fromStdString(gameVersion()));
    parser.setApplicationDescription("VELKO: build a fighting Doll and send it into the ring.");
    help = parser.addHelpOption();
    version = parser.addVersionOption();
    parser.addOption(gameFolder);
    parser.addOption(lang);
  }

  QCommandLineParser parser;
  QCommandLineOption help{"h"};
  QCommandLineOption version{"v"};
  const QCommandLineOption gameFolder{
      "game-folder", "Play from DIR (its ini/, img/, midi/ and save/) instead.", "DIR"};
  const QCommandLineOption lang{"lang",
                                "Play in LANG: ja (Japanese) or en (English). Without it, the "
                                "language chosen in the game, or else the system's.",
                                "LANG"};
};

}  // namespace

std::optional<int> answerWithoutDisplay(int argc, char** argv) {
  QCoreApplication reader(argc, argv);
  StartOptions options;
  // Errors are told once the toolkit has taken its own options (-platform and the like).
  options.parser.parse(QCoreApplication::arguments());
  if (options.parser.isSet(options.help) || options.parser.isSet("help-all")) {
    std::cout << options.parser.helpText().toStdString();
    return 0;
  }
  if (options.parser.isSet(options.version)) {
    std::cout << "velko " << gameVersion() << "\n";
    return 0;
  }
  return std::nullopt;
}

std::optional<GameFolder> startFolder(QApplication& application, QString* language) {
  StartOptions options;
  options.parser.process(application);
  if (language) *language = options.parser.value(options.lang);

  GameFolderPlaces places;
  places.option = options.parser.value(options.gameFolder).toStdString();
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
