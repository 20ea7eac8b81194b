#include "ui/widgets/screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/widgets/window_scale.h"

namespace velko::ui {

namespace {

// The least frame a window manager draws around a window (borders and a title bar): before
// a window is first shown its frame is not known yet.
constexpr int kFrameWidth = 12;
constexpr int kFrameHeight = 40;

bool fitsIn(QSize size, QSize room) {
  return size.width() <= room.width() && size.height() <= room.height();
}

QRect availableArea(const QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return {0, 0, 1024, 768};
  return screen->availableGeometry();
}

QSize frameExtra(const QWidget* window) {
  const QSize measured = window->frameGeometry().size() - window->geometry().size();
  return {std::max(kFrameWidth, measured.width()), std::max(kFrameHeight, measured.height())};
}

// Watches one window: fits it whenever it is shown.
class ScreenFit : public QObject {
 public:
  explicit ScreenFit(QWidget* window) : QObject(window), window_(window) {
    setObjectName("screenFit");
    window->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) fit();
    return false;
  }

  void fit() {
    const QSize room = screenRoom(window_);
    const QSize designed = window_->size();
    if (fitsIn(designed, room)) {
      keepOnScreen();
      return;
    }
    const QSize least = leastSize();
    if (fitsIn(least, room)) {
      // The layout gives up its spare room; a window of fixed size may now be smaller than
      // designed, never larger.
      window_->setMinimumSize(least);
      window_->resize(designed.boundedTo(room));
      keepOnScreen();
      return;
    }
    const double across = static_cast<double>(room.width()) / designed.width();
    const double down = static_cast<double>(room.height()) / designed.height();
    scaleWindow(window_, std::min(across, down));
    keepOnScreen();
  }

 private:
  // The least size the window's layout can take; a window whose controls are placed by hand
  // cannot be smaller than designed.
  QSize leastSize() const {
    if (!window_->layout()) return window_->size();
    window_->layout()->activate();
    return window_->minimumSizeHint();
  }

  // The whole window, frame included, inside the available area.
  void keepOnScreen() {
    const QRect area = availableArea(window_);
    const QSize outer = window_->size() + frameExtra(window_);
    const QPoint at = window_->pos();
    const int x =
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    const int y =
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    if (QPoint(x, y) != at) window_->move(x, y);
  }

  QWidget* window_;
};

ScreenFit* fitOf(QWidget* window) {
  return window->findChild<ScreenFit*>("screenFit", Qt::FindDirectChildrenOnly);
}

}  // namespace

void fitToScreen(QWidget* window) {
  if (fitOf(window)) return;
  new ScreenFit(window);
}

void refitToScreen(QWidget* window) {
  if (ScreenFit* fit = fitOf(window)) fit->fit();
}

QSize screenRoom(const QWidget* window) {
  return availableArea(window).size() - frameExtra(window);
}

}  // namespace velko::ui
