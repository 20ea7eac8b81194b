#include "ui/program/program_chip.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace velko::ui {

ProgramChip::ProgramChip(int index, QWidget* parent) : QLabel(parent), index_(index) {
  setMouseTracking(true);
  setAlignment(Qt::AlignCenter);
}

void ProgramChip::setTile(const QPixmap& tile) {
  setPixmap(tile);
  setFixedSize(tile.size());
}

void ProgramChip::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  pressPos_ = event->position().toPoint();
}

void ProgramChip::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) {
    pressed_ = false;
    emit hovered(index_);
    return;
  }
  if (!pressed_ || !draggable_) return;
  const QPoint moved = event->position().toPoint() - pressPos_;
  if (moved.manhattanLength() < QApplication::startDragDistance()) return;
  pressed_ = false;
  startDrag();
}

void ProgramChip::startDrag() {
  emit dragStarting(index_);
  auto* data = new QMimeData;
  data->setData(kChipMimeType, QByteArray::number(index_));
  auto* drag = new QDrag(this);
  drag->setMimeData(data);
  drag->setPixmap(pixmap());
  drag->setHotSpot(QPoint(width() / 2, height() / 2));
  drag->exec(Qt::MoveAction);
}

void ProgramChip::dragEnterEvent(QDragEnterEvent* event) {
  if (!event->mimeData()->hasFormat(kChipMimeType)) return;
  event->acceptProposedAction();
  dropHover_ = true;
  update();
}

void ProgramChip::dragLeaveEvent(QDragLeaveEvent*) {
  dropHover_ = false;
  update();
}

void ProgramChip::dropEvent(QDropEvent* event) {
  dropHover_ = false;
  update();
  if (!event->mimeData()->hasFormat(kChipMimeType)) return;
  event->acceptProposedAction();
  emit dropped(index_);
}

void ProgramChip::setMarked(bool on) {
  if (marked_ == on) return;
  marked_ = on;
  update();
}

void ProgramChip::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!dropHover_ && !marked_ && !hasFocus()) return;
  QPainter painter(this);
  // A drop or the keyboard's target in amber, a focused palette chip in blue.
  const QColor colour =
      hasFocus() && !dropHover_ && !marked_ ? QColor(0x2f, 0x7d, 0xe1) : QColor(0xff, 0xc8, 0x3c);
  painter.setPen(QPen(colour, 3, marked_ && !dropHover_ ? Qt::DashLine : Qt::SolidLine));
  painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

}  // namespace velko::ui
