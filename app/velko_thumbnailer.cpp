// velko-thumbnailer: the picture of the Doll a Doll file holds, for file managers (the
// freedesktop thumbnailer: dist/velko.thumbnailer runs it with %i %o %s).
//
//   velko-thumbnailer [--game-folder DIR] INPUT OUTPUT [SIZE]
//
// The Doll is read as the game reads a friend's file, rebuilt from the catalogue of the
// installed game (or of DIR), and its picture is the one the workshop shows, scaled to fit
// SIZE by SIZE pixels (128 when not given; never enlarged) and written as PNG. A file the
// game would refuse gets no picture: the reason goes to the standard error and the status is 1.

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <filesystem>
#include <iostream>
#include <string>

#include "data/files/file_bytes.h"
#include "data/files/game_folder.h"
#include "data/share/doll_share.h"
#include "model/doll_picture.h"

#ifndef VELKO_INSTALLED_DATA_DIR
#define VELKO_INSTALLED_DATA_DIR "/usr/share/games/velko"
#endif

namespace {

constexpr int kRefused = 1;
constexpr int kUsage = 2;
constexpr int kDefaultSize = 128;
constexpr int kLargestSize = 4096;

struct Request {
  std::filesystem::path gameFolder = VELKO_INSTALLED_DATA_DIR;
  std::filesystem::path input;
  QString output;
  int size = kDefaultSize;
};

int usage() {
  std::cerr << "usage: velko-thumbnailer [--game-folder DIR] INPUT OUTPUT [SIZE]\n";
  return kUsage;
}

// The Doll's picture from a Doll file, or a null image after saying why.
QImage dollImage(const Request& request) {
  const std::string name = request.input.filename().string();
  std::error_code error;
  const auto size = std::filesystem::file_size(request.input, error);
  std::string bytes;
  // A file past the limit is refused before it is read into memory.
  if (!error && size > velko::kDollShareMaxBytes) {
    std::cerr << name << ": " << velko::dollShareTooLarge() << "\n";
    return {};
  }
  if (error || !velko::readBytes(request.input, bytes)) {
    std::cerr << name << ": cannot be read\n";
    return {};
  }
  const velko::GameFolder folder(request.gameFolder);
  const velko::DollImport read = velko::readDollShare(folder, bytes);
  if (!read.accepted()) {
    std::cerr << name << ": " << read.error << "\n";
    return {};
  }
  const std::string picture = velko::dollPicture(*read.doll);
  if (picture.empty()) {
    std::cerr << name << ": the Doll's frame has no picture\n";
    return {};
  }
  const std::filesystem::path file = folder.path(picture);
  QImage image(QString::fromStdU16String(file.u16string()));
  if (image.isNull()) std::cerr << file.string() << ": the picture cannot be read\n";
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  Request request;
  if (arguments.size() >= 2 && arguments.first() == "--game-folder") {
    request.gameFolder = std::filesystem::path(arguments.at(1).toStdU16String());
    arguments.remove(0, 2);
  }
  if (arguments.size() < 2 || arguments.size() > 3) return usage();
  request.input = std::filesystem::path(arguments.at(0).toStdU16String());
  request.output = arguments.at(1);
  if (arguments.size() == 3) {
    bool number = false;
    request.size = arguments.at(2).toInt(&number);
    if (!number || request.size < 1 || request.size > kLargestSize) return usage();
  }

  QImage image = dollImage(request);
  if (image.isNull()) return kRefused;
  if (image.width() > request.size || image.height() > request.size)
    image = image.scaled(request.size, request.size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  if (!image.save(request.output, "PNG")) {
    std::cerr << request.output.toStdString() << ": cannot be written\n";
    return kRefused;
  }
  return 0;
}
