#include "art/picture_files.h"

#include <QDir>
#include <QImage>

#include <stdexcept>

#include "art/app_icon.h"
#include "art/battle_sheet.h"
#include "art/chip_strip.h"
#include "art/doll_kind.h"
#include "art/hit_effect.h"
#include "art/stage_backdrop.h"
#include "art/workshop_picture.h"

namespace velko::art {
namespace {

// Quality 100 keeps the sprite edges exact enough for the XOR drawing.
constexpr int kJpegQuality = 100;

void save(const QImage& image, const QString& folder, const QString& name) {
  const QString path = QDir(folder).filePath(name);
  const char* format = name.endsWith(".bmp") ? "BMP" : name.endsWith(".png") ? "PNG" : "JPG";
  if (!image.save(path, format, format[0] == 'J' ? kJpegQuality : -1)) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

}  // namespace

void writePictures(const QString& folder) {
  // The pictures with painted words have English twins in en/, under the same names.
  const QString english = QDir(folder).filePath("en");
  if (!QDir().mkpath(english)) throw std::runtime_error("cannot create " + english.toStdString());
  const BattleSheet warrior = battleSheet(dollKind("01"));
  save(warrior.sheet, folder, "VELKO01.jpg");
  save(warrior.mask, folder, "VELKO01M.jpg");
  const BattleSheet white = battleSheet(dollKind("0201"));
  save(white.sheet, folder, "VELKO0201.jpg");
  save(white.mask, folder, "VELKO02M.jpg");
  save(battleSheet(dollKind("0202")).sheet, folder, "VELKO0202.jpg");
  for (const DollKind& kind : dollKinds()) {
    const QString name = "VELKO" + QString::fromStdString(kind.code) + "S.jpg";
    save(workshopPicture(kind, Lettering::Japanese), folder, name);
    save(workshopPicture(kind, Lettering::English), english, name);
  }
  const MaskedSprite effect = hitEffect();
  save(effect.sheet, folder, "effect.jpg");
  save(effect.mask, folder, "effect_m.jpg");
  save(stageBackdrop(Lettering::Japanese), folder, "stage.jpg");
  save(stageBackdrop(Lettering::English), english, "stage.jpg");
  save(chipStrip(), folder, "icon0.bmp");
  for (int size : kAppIconSizes)
    save(appIcon(size), folder, QString("velko-icon-%1.png").arg(size));
}

}  // namespace velko::art
