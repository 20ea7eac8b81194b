#include "ui/widgets/window_scale.h"

#include <QApplication>
#include <QFont>
#include <QLayout>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace velko::ui {

namespace {

constexpr const char* kScaleProperty = "velkoWindowScale";

// The lengths a window is drawn with: sizes round up and gaps down, so that text drawn at the
// smaller size (whose lines round to whole pixels) still finds its room. A line or gap the
// design gave stays at least one pixel.
int times(int length, double factor) {
  if (length <= 0) return length;
  return std::max(1, static_cast<int>(std::ceil(length * factor - 1e-6)));
}

int rounded(int length, double factor) {
  if (length <= 0) return length;
  return std::max(1, static_cast<int>(std::lround(length * factor)));
}

int gap(int length, double factor) {
  if (length <= 0) return length;
  return std::max(1, static_cast<int>(std::floor(length * factor + 1e-6)));
}

// A place: any whole number, rounded.
int at(int place, double factor) {
  return static_cast<int>(std::lround(place * factor));
}

QRect times(const QRect& designed, double factor) {
  return {at(designed.x(), factor), at(designed.y(), factor), times(designed.width(), factor),
          times(designed.height(), factor)};
}

// A size by the rule given (times, or gap for the window itself, which must fit its room).
QSize times(QSize size, double factor, int (*rule)(int, double) = times) {
  const auto side = [factor, rule](int length) {
    return length >= QWIDGETSIZE_MAX ? length : rule(length, factor);
  };
  return {side(size.width()), side(size.height())};
}

// Every length in pixels or points of a style sheet, at the factor.
QString scaledSheet(const QString& sheet, double factor) {
  static const QRegularExpression length(R"((\d+(?:\.\d+)?)(px|pt)\b)");
  QString out;
  qsizetype last = 0;
  for (auto found = length.globalMatch(sheet); found.hasNext();) {
    const QRegularExpressionMatch m = found.next();
    out += sheet.mid(last, m.capturedStart() - last);
    const double value = m.captured(1).toDouble();
    if (m.captured(2) == "pt")
      out += QString::number(value * factor, 'f', 1) + "pt";
    else
      out += QString::number(rounded(static_cast<int>(std::lround(value)), factor)) + "px";
    last = m.capturedEnd();
  }
  return out + sheet.mid(last);
}

QFont scaledFont(QFont font, double factor) {
  if (font.pointSizeF() > 0)
    font.setPointSizeF(font.pointSizeF() * factor);
  else if (font.pixelSize() > 0)
    font.setPixelSize(rounded(font.pixelSize(), factor));
  return font;
}

void scaleLayout(QLayout* layout, double factor) {
  const QMargins m = layout->contentsMargins();
  layout->setContentsMargins(gap(m.left(), factor), gap(m.top(), factor), gap(m.right(), factor),
                             gap(m.bottom(), factor));
  if (layout->spacing() > 0) layout->setSpacing(gap(layout->spacing(), factor));
}

// A control placed by hand (its parent has no layout) keeps its designed place, scaled.
bool placedByHand(const QWidget* widget) {
  const QWidget* parent = widget->parentWidget();
  return parent && !parent->layout();
}

void scaleLimits(QWidget* widget, double factor, int (*rule)(int, double) = times) {
  const QSize least = widget->minimumSize();
  const QSize most = widget->maximumSize();
  widget->setMinimumSize(times(least, factor, rule));
  widget->setMaximumSize(times(most, factor, rule));
}

}  // namespace

void scaleWindow(QWidget* window, double factor) {
  if (factor >= 1 || windowScale(window) != 1) return;
  window->setProperty(kScaleProperty, factor);
  // Everything is read before anything changes: a child's font inherits its parent's.
  const QList<QWidget*> inside = window->findChildren<QWidget*>();
  struct Was {
    QWidget* widget;
    QFont font;
    QRect place;
  };
  std::vector<Was> was;
  for (QWidget* widget : inside) {
    if (widget->isWindow()) continue;
    was.push_back({widget, widget->font(), widget->geometry()});
  }
  const QSize designed = window->size();
  window->setFont(scaledFont(window->font(), factor));
  // The look every window shares (the buttons' room around their captions, the scroll bars)
  // shrinks with it; the window's own rules, after it, still come first.
  const QString shared = qApp ? qApp->styleSheet() : QString();
  if (!shared.isEmpty() || !window->styleSheet().isEmpty())
    window->setStyleSheet(scaledSheet(shared + window->styleSheet(), factor));
  for (QLayout* layout : window->findChildren<QLayout*>())
    scaleLayout(layout, factor);
  for (const Was& w : was) {
    if (w.widget->testAttribute(Qt::WA_SetFont)) w.widget->setFont(scaledFont(w.font, factor));
    if (!w.widget->styleSheet().isEmpty())
      w.widget->setStyleSheet(scaledSheet(w.widget->styleSheet(), factor));
    scaleLimits(w.widget, factor);
    if (placedByHand(w.widget)) w.widget->setGeometry(times(w.place, factor));
  }
  scaleLimits(window, factor, gap);
  window->resize(times(designed, factor, gap));
}

double windowScale(const QWidget* widget) {
  const QVariant factor = widget->window()->property(kScaleProperty);
  return factor.isValid() ? factor.toDouble() : 1.0;
}

QRect scaledRect(const QWidget* widget, const QRect& designed) {
  const double factor = windowScale(widget);
  return factor == 1 ? designed : times(designed, factor);
}

int scaledLength(const QWidget* widget, int designed) {
  const double factor = windowScale(widget);
  return factor == 1 ? designed : rounded(designed, factor);
}

}  // namespace velko::ui
