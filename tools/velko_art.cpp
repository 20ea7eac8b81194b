// velko-art: paints every picture of the game folder's img/ directory.
//   velko-art <img folder> [--preview <folder>]
// With --preview it also writes PNG contact sheets of the finished files, composited the way
// the game draws them, for a person to look at.

#include <QGuiApplication>

#include <cstdio>
#include <exception>

#include "art/picture_files.h"
#include "art/preview.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 2 && !(args.size() == 4 && args[2] == "--preview")) {
    std::fprintf(stderr, "usage: velko-art <img folder> [--preview <folder>]\n");
    return 2;
  }
  try {
    velko::art::writePictures(args[1]);
    if (args.size() == 4) velko::art::writePreviews(args[1], args[3]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velko-art: %s\n", e.what());
    return 1;
  }
  return 0;
}
