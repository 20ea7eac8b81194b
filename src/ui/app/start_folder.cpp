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
#include "ui/app/language.h"
#include "ui/app/named_file.h"

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

// The toolkit's own options (-platform, -style and the like): the toolkit takes them once it
// starts, so the check before it must let them pass, with their values.
const char* const kToolkitValueOptions =
    "platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowicon icon "
    "qwindowtitle title session display style stylesheet qmljsdebugger dialogs fontengine name";
const char* const kToolkitFlags = "reverse widgetcount sync nograb dograb";

// The options of the game, in English as the manual page gives them.
struct StartOptions {
  StartOptions() {
    QCoreApplication::setApplicationVersion(QString::fromStdString(gameVersion()));
    parser.setApplicationDescription("VELKO: build a fighting Doll and send it into the ring.");
    // The toolkit spells its options with one dash (-platform offscreen).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    help = parser.addHelpOption();
    version = parser.addVersionOption();
    parser.addOption(gameFolder);
    parser.addOption(lang);
    parser.addPositionalArgument(
        "FILE",
        "Open a Doll file (.velkodoll) as the duel opponent, a league (.velkoleague) or a "
        "replay (.velkoreplay).",
        "[FILE]");
    addToolkitOptions(kToolkitValueOptions, "value");
    addToolkitOptions(kToolkitFlags, "");
  }

  void addToolkitOptions(const char* names, const QString& value) {
    for (const QString& name : QString(names).split(' ')) {
      QCommandLineOption option(name, "", value);
      option.setFlags(QCommandLineOption::HiddenFromHelp);
      parser.addOption(option);
    }
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

// Without a window system to talk to, the toolkit would end the program with a core dump; a
// platform named on the command line or in QT_QPA_PLATFORM (offscreen, say) is the player's
// choice and is left to the toolkit.
bool noDisplay(const StartOptions& options) {
  if (options.parser.isSet("platform") || !environment("QT_QPA_PLATFORM").empty()) return false;
  return environment("DISPLAY").empty() && environment("WAYLAND_DISPLAY").empty();
}

// What is wrong with the command line; empty when the game may start.
std::string commandLineFault(const StartOptions& options, bool parsed) {
  if (!parsed) return options.parser.errorText().toStdString();
  // One file of the game's own may be named; anything else is a mistake.
  QStringList stray = options.parser.positionalArguments();
  if (!stray.isEmpty() && namedFileKind(stray.first())) stray.removeFirst();
  if (!stray.isEmpty()) return "Unexpected argument '" + stray.first().toStdString() + "'.";
  const QString code = options.parser.value(options.lang);
  if (options.parser.isSet(options.lang) && !languageFromCode(code))
    return "Unknown language '" + code.toStdString() +
           "' for --lang: ja (Japanese) or en (English).";
  return {};
}

}  // namespace

std::optional<int> answerWithoutDisplay(int argc, char** argv) {
  QCoreApplication reader(argc, argv);
  StartOptions options;
  const bool parsed = options.parser.parse(QCoreApplication::arguments());
  if (options.parser.isSet(options.help) || options.parser.isSet("help-all")) {
    std::cout << options.parser.helpText().toStdString();
    return 0;
  }
  if (options.parser.isSet(options.version)) {
    std::cout << "velko " << gameVersion() << "\n";
    return 0;
  }
  // Refused here, before the window system starts: without a display it would end the
  // program before any message.
  const std::string fault = commandLineFault(options, parsed);
  if (!fault.empty()) {
    std::cerr << "velko: " << fault << "\nTry 'velko --help'.\n";
    return kCommandLineRefused;
  }
  if (noDisplay(options)) {
    std::cerr << "velko: there is no display to open the game's window on (DISPLAY and "
                 "WAYLAND_DISPLAY are not set).\n";
    return kNoDisplay;
  }
  return std::nullopt;
}

std::optional<GameFolder> startFolder(QApplication& application, QString* language,
                                      QString* namedFile) {
  StartOptions options;
  // answerWithoutDisplay has refused a wrong command line already.
  options.parser.parse(application.arguments());
  if (language) *language = options.parser.value(options.lang);
  const QStringList files = options.parser.positionalArguments();
  // Named from the directory the game was started in, whatever it changes to later.
  if (namedFile && !files.isEmpty()) *namedFile = QDir::current().absoluteFilePath(files.first());

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
