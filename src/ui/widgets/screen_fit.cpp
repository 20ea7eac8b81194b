#include "ui/widgets/screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

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

  bool scrolled() const { return scroll_ != nullptr; }

  void fit() {
    if (scroll_) {
      takeRoom();
      return;
    }
    const QSize room = screenRoom(window_);
    if (fitsIn(window_->size(), room)) {
      keepOnScreen();
      return;
    }
    designed_ = window_->size();
    const QSize least = window_->minimumSize().expandedTo(window_->minimumSizeHint());
    if (fitsIn(least, room)) {
      window_->resize(designed_.boundedTo(room));
      keepOnScreen();
      return;
    }
    scrollContents();
    takeRoom();
  }

  // The contents took a new designed size (their layout's).
  void followContents() {
    QWidget* contents = scroll_->widget();
    if (QLayout* layout = contents->layout()) {
      layout->activate();
      designed_ = layout->sizeHint();
      holdContents(contents);
    }
    takeRoom();
  }

 private:
  // Moves what the window shows into a scroll area that fills the window; the contents keep
  // their designed size and places.
  void scrollContents() {
    // A window of fixed size may now be smaller than designed, never larger.
    fixedSize_ = window_->maximumSize() == designed_;
    // Moving the controls loses the keyboard; it goes back where it was.
    QWidget* focused = window_->focusWidget();
    scroll_ = new QScrollArea(window_);
    scroll_->setObjectName("screenFitScroll");
    scroll_->setFrameShape(QFrame::NoFrame);
    // The keyboard belongs to the controls, as it did before they scrolled; Tab still scrolls
    // the one it reaches into view.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(true);
    QWidget* contents = nullptr;
    if (auto* main = qobject_cast<QMainWindow*>(window_)) {
      // The menu bar stays where it is; what is under it scrolls.
      contents = main->takeCentralWidget();
      contents->setMinimumSize(contents->size());
      scroll_->setWidget(contents);
      main->setCentralWidget(scroll_);
    } else {
      contents = takeContents();
      scroll_->setWidget(contents);
      auto* frame = new QVBoxLayout(window_);
      frame->setContentsMargins(0, 0, 0, 0);
      frame->addWidget(scroll_);
    }
    // The window's own background shows through, as it did behind its controls.
    contents->setAutoFillBackground(false);
    scroll_->viewport()->setAutoFillBackground(false);
    scroll_->show();
    window_->setMinimumSize(0, 0);
    if (focused) focused->setFocus();
  }

  // The contents keep the designed size: exactly, when the window had a fixed size.
  void holdContents(QWidget* contents) {
    if (fixedSize_) {
      contents->setFixedSize(designed_);
    } else {
      contents->setMinimumSize(designed_);
    }
  }

  QWidget* takeContents() {
    auto* contents = new QWidget;
    contents->setObjectName("screenFitContents");
    const QList<QWidget*> children = window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QList<bool> shown;
    QList<QRect> places;
    for (QWidget* child : children) {
      shown.append(!child->isHidden());
      places.append(child->geometry());
    }
    if (QLayout* layout = window_->layout()) contents->setLayout(layout);
    for (qsizetype i = 0; i < children.size(); ++i) {
      QWidget* child = children[i];
      if (child->isWindow() || child == scroll_) continue;
      if (child->parentWidget() != contents) child->setParent(contents);
      child->setGeometry(places[i]);
      child->setVisible(shown[i]);
    }
    holdContents(contents);
    return contents;
  }

  // The window as large as its contents and the scroll bars they need, within the room.
  void takeRoom() {
    const QSize room = screenRoom(window_);
    const int bar = window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize wanted = designed_;
    if (designed_.height() > room.height()) wanted.rwidth() += bar;
    if (wanted.width() > room.width()) wanted.rheight() += bar;
    if (wanted.height() > room.height() && designed_.height() <= room.height())
      wanted.rwidth() += bar;
    if (fixedSize_) window_->setMaximumSize(wanted);
    window_->resize(wanted.boundedTo(room));
    keepOnScreen();
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
  QScrollArea* scroll_ = nullptr;
  QSize designed_;
  bool fixedSize_ = false;
};

ScreenFit* fitOf(QWidget* window) {
  return window->findChild<ScreenFit*>("screenFit", Qt::FindDirectChildrenOnly);
}

}  // namespace

void fitToScreen(QWidget* window) {
  if (fitOf(window)) return;
  new ScreenFit(window);
}

bool refitScrolledContents(QWidget* window) {
  ScreenFit* fit = fitOf(window);
  if (!fit || !fit->scrolled()) return false;
  fit->followContents();
  return true;
}

QSize screenRoom(const QWidget* window) {
  return availableArea(window).size() - frameExtra(window);
}

}  // namespace velko::ui
