#include "ui/fight/fight_stage.h"

#include <QPainter>

#include "ui/fight/fight_layout.h"
#include "ui/widgets/accessible_role.h"

namespace velko::ui {

namespace {

constexpr int kEffectIndex = 2;

QImage loadRgb32(const QString& file) {
  QImage picture(file);
  if (picture.isNull()) return picture;
  return picture.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

FightStage::FightStage(QWidget* parent)
    : QWidget(parent), stage_(kStageWidth, kStageHeight, QImage::Format_RGB32) {
  setObjectName("dspDollImg");
  setAccessibleRole(this, QAccessible::Graphic);
  setFixedSize(kStageWidth, kStageHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  stage_.fill(QColor(24, 28, 36));
}

void FightStage::loadBackground(const QString& file) {
  background_ = loadRgb32(file);
}

void FightStage::loadDoll(int fighter, const QString& sheet, const QString& mask) {
  sheets_.at(fighter) = loadRgb32(sheet);
  masks_.at(fighter) = loadRgb32(mask);
}

void FightStage::loadEffect(const QString& sheet, const QString& mask) {
  sheets_[kEffectIndex] = loadRgb32(sheet);
  masks_[kEffectIndex] = loadRgb32(mask);
}

void FightStage::drawBackground() {
  if (background_.isNull()) {
    stage_.fill(QColor(24, 28, 36));
    return;
  }
  QPainter p(&stage_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(0, 0, background_, 0, 0, kStageWidth, kStageHeight);
}

void FightStage::drawDoll(int fighter, int column, int x) {
  const QRect cell(column, cellRow(fighter), kCell, kCell);
  drawSprite(sheets_.at(fighter), masks_.at(fighter), cell, QPoint(x, kCellY));
}

void FightStage::drawEffect(int x, int y) {
  const QRect cell(0, 0, kEffectCell, kEffectCell);
  drawSprite(sheets_[kEffectIndex], masks_[kEffectIndex], cell, QPoint(x, y));
}

void FightStage::drawSprite(const QImage& sheet, const QImage& mask, const QRect& cell,
                            const QPoint& at) {
  // Without both pictures the pair would leave a black or inverted shape.
  if (sheet.isNull() || mask.isNull()) return;
  QPainter p(&stage_);
  p.setCompositionMode(QPainter::RasterOp_SourceAndNotDestination);
  p.drawImage(at, mask, cell);
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.drawImage(at, sheet, cell);
}

void FightStage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (size() == stage_.size()) {
    p.drawImage(0, 0, stage_);
    return;
  }
  // A window drawn smaller draws its stage smaller too.
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(rect(), stage_);
}

}  // namespace velko::ui
