#include "art/preview.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <stdexcept>

#include "art/battle_poses.h"

namespace velko::art {
namespace {

QImage load(const QString& folder, const QString& name) {
  QImage image(QDir(folder).filePath(name));
  if (image.isNull()) throw std::runtime_error("cannot read " + name.toStdString());
  return image.convertToFormat(QImage::Format_RGB32);
}

// The game's sprite drawing: mask with SRCERASE, then the sheet with SRCINVERT.
void drawSprite(QImage& stage, const QImage& sheet, const QImage& mask, QRect cell, QPoint at) {
  QPainter p(&stage);
  p.setCompositionMode(QPainter::RasterOp_SourceAndNotDestination);
  p.drawImage(at, mask, cell);
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.drawImage(at, sheet, cell);
}

QImage stageOrGrey(const QString& folder) {
  QImage stage(QDir(folder).filePath("stage.jpg"));
  if (!stage.isNull()) return stage.convertToFormat(QImage::Format_RGB32);
  QImage grey(800, 400, QImage::Format_RGB32);
  grey.fill(QColor(90, 110, 100));
  return grey;
}

// What the other Doll shows while one performs a pose, as the battle screen pairs them.
Column partnerOf(Column acting) {
  if (acting == Column::Clinch) return Column::Clinch;
  if (acting == Column::DownClinch) return Column::Down;
  return Column::Standing;
}

QRect cellOf(Column column, int fighter) {
  return {int(column) * kCell, fighter * kCell, kCell, kCell};
}

// Both Doll at distance `span`: fighter 0 at x = 220 - 10 span, fighter 1 at 240 + 10 span;
// the acting one is drawn last, on top.
QImage bout(const QImage& backdrop, const QImage& sheet, const QImage& mask, int acting,
            Column pose, int span) {
  QImage stage = backdrop;
  const QPoint at[] = {{220 - 10 * span, 10}, {240 + 10 * span, 10}};
  const int other = 1 - acting;
  drawSprite(stage, sheet, mask, cellOf(partnerOf(pose), other), at[other]);
  drawSprite(stage, sheet, mask, cellOf(pose, acting), at[acting]);
  return stage;
}

// Eight stages on a page: each pose performed at distance 0, then both standing apart.
void saveSheetPreview(const QString& img, const QString& out, const QString& sheetName,
                      const QString& maskName, int acting) {
  const QImage sheet = load(img, sheetName);
  const QImage mask = load(img, maskName);
  const QImage backdrop = stageOrGrey(img);
  QImage contact(800 * 2, 400 * 4, QImage::Format_RGB32);
  QPainter p(&contact);
  for (int c = 0; c < kColumns; ++c) {
    p.drawImage((c % 2) * 800, (c / 2) * 400, bout(backdrop, sheet, mask, acting, Column(c), 0));
  }
  p.drawImage(800, 1200, bout(backdrop, sheet, mask, acting, Column::Standing, 6));
  p.end();
  const QString side = acting == 0 ? "-left-acts.png" : "-right-acts.png";
  contact.save(QDir(out).filePath(sheetName.section('.', 0, 0) + side));
}

void saveWorkshopPreview(const QString& img, const QString& out) {
  const QString names[] = {"VELKO01S.jpg", "VELKO0201S.jpg", "VELKO0202S.jpg"};
  QImage first = load(img, names[0]);
  QImage row(first.width() * 3 + 20, first.height(), QImage::Format_RGB32);
  row.fill(Qt::black);
  QPainter p(&row);
  for (int i = 0; i < 3; ++i)
    p.drawImage(i * (first.width() + 10), 0, load(img, names[i]));
  p.end();
  row.save(QDir(out).filePath("workshop.png"));
}

void saveChipPreview(const QString& img, const QString& out) {
  const QImage strip = load(img, "icon0.bmp");
  strip.scaled(strip.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
      .save(QDir(out).filePath("icon0-x3.png"));
}

// Hit sparks over two Dolls in a clinch, where the game puts them.
void saveEffectPreview(const QString& img, const QString& out) {
  QImage stage = stageOrGrey(img);
  const QImage sheet = load(img, "VELKO01.jpg");
  const QImage mask = load(img, "VELKO01M.jpg");
  drawSprite(stage, sheet, mask, cellOf(Column::Standing, 1), {240, 10});
  drawSprite(stage, sheet, mask, cellOf(Column::Punch, 0), {220, 10});
  const QImage spark = load(img, "effect.jpg");
  const QImage sparkMask = load(img, "effect_m.jpg");
  for (int k = 1; k <= 3; ++k) {
    drawSprite(stage, spark, sparkMask, QRect(0, 0, 40, 40), {340 + 3 * k, 120 + 20 * k});
  }
  stage.save(QDir(out).filePath("effect-on-stage.png"));
}

}  // namespace

void writePreviews(const QString& img, const QString& out) {
  if (!QDir().mkpath(out)) throw std::runtime_error("cannot create " + out.toStdString());
  for (int acting : {0, 1}) {
    saveSheetPreview(img, out, "VELKO01.jpg", "VELKO01M.jpg", acting);
    saveSheetPreview(img, out, "VELKO0201.jpg", "VELKO02M.jpg", acting);
    saveSheetPreview(img, out, "VELKO0202.jpg", "VELKO02M.jpg", acting);
  }
  saveWorkshopPreview(img, out);
  saveChipPreview(img, out);
  saveEffectPreview(img, out);
}

}  // namespace velko::art
