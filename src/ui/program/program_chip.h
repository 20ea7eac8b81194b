#pragma once
// One chip picture of the program editor: a palette chip, a grid slot or the trash can. It
// reports mouse moves over it, drags itself when pressed and moved, and takes drops of the
// editor's chips.

#include <QLabel>
#include <QPixmap>

namespace velko::ui {

// The drag data of the editor's chips; other drags are refused.
inline constexpr const char* kChipMimeType = "application/x-velko-chip";

class ProgramChip : public QLabel {
  Q_OBJECT

 public:
  ProgramChip(int index, QWidget* parent);

  int index() const { return index_; }
  void setTile(const QPixmap& tile);
  void setDraggable(bool on) { draggable_ = on; }
  void setDropTarget(bool on) { setAcceptDrops(on); }
  // The slot the keyboard places into.
  void setMarked(bool on);
  bool marked() const { return marked_; }

 signals:
  // The mouse moved over the chip without a drag.
  void hovered(int index);
  // A drag is about to start from this chip.
  void dragStarting(int index);
  // A chip was dropped here.
  void dropped(int index);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void startDrag();

  int index_;
  bool draggable_ = false;
  bool dropHover_ = false;
  bool marked_ = false;
  QPoint pressPos_;
  bool pressed_ = false;
};

}  // namespace velko::ui
