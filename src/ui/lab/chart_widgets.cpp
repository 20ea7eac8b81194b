#include "ui/lab/chart_widgets.h"
#include "ui/lab/colour_scale.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/widgets/accessible_role.h"

namespace velko::ui {

namespace {

constexpr int kPad = 10;
constexpr int kSwatch = 16;
constexpr int kLegendGap = 4;
const QColor kCard(26, 33, 48);
const QColor kGrid(52, 64, 88);
const QColor kAxisText(200, 208, 222);

// A point of a series in its own shape, so that a line is known without its colour.
void drawPoint(QPainter& p, QPointF at, PointShape shape, double r) {
  switch (shape) {
    case PointShape::Circle:
      p.drawEllipse(at, r, r);
      return;
    case PointShape::Square:
      p.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
      return;
    case PointShape::Triangle:
      p.drawPolygon(QPolygonF{
          {at.x(), at.y() - r - 1}, {at.x() + r + 1, at.y() + r}, {at.x() - r - 1, at.y() + r}});
      return;
    case PointShape::Diamond:
      p.drawPolygon(QPolygonF{{at.x(), at.y() - r - 1},
                              {at.x() + r + 1, at.y()},
                              {at.x(), at.y() + r + 1},
                              {at.x() - r - 1, at.y()}});
      return;
    case PointShape::Cross: {
      const QPen was = p.pen();
      p.setPen(QPen(p.brush().color(), 2));
      p.drawLine(QPointF(at.x() - r, at.y() - r), QPointF(at.x() + r, at.y() + r));
      p.drawLine(QPointF(at.x() - r, at.y() + r), QPointF(at.x() + r, at.y() - r));
      p.setPen(was);
      return;
    }
  }
}

int titleHeight(const QWidget& w) {
  QFont bold = w.font();
  bold.setBold(true);
  return QFontMetrics(bold).height();
}

// The room inside the card under its title.
QRect cardRoom(const QWidget& w) {
  return w.rect().adjusted(kPad, kPad + titleHeight(w) + kPad, -kPad, -kPad);
}

// The card both charts stand on, with the title along its top; returns the room left.
QRect paintCard(QPainter& p, const QWidget& w, const QString& title) {
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF card = QRectF(w.rect()).adjusted(1, 1, -1, -1);
  p.setPen(Qt::NoPen);
  p.setBrush(kCard);
  p.drawRoundedRect(card, 6, 6);
  QFont bold = w.font();
  bold.setBold(true);
  p.setFont(bold);
  p.setPen(kAxisText);
  p.drawText(QRect(0, kPad, w.width(), titleHeight(w)), Qt::AlignCenter, title);
  p.setFont(w.font());
  return cardRoom(w);
}

// A step of 1, 2 or 5 times a power of ten giving at most `most` intervals over the span.
double tickStep(double span, int most) {
  if (span <= 0) return 1;
  const double rough = span / most;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    if (factor * power >= rough) return factor * power;
  }
  return 10 * power;
}

}  // namespace

RateBarChart::RateBarChart(const QString& title, const QStringList& names,
                           const std::vector<double>& rates, QWidget* parent)
    : QWidget(parent), title_(title), names_(names), rates_(rates) {
  setMinimumSize(240, 160);
  // A screen reader hears the title, then every bar's name and per cent.
  setAccessibleRole(this, QAccessible::Chart);
  setAccessibleName(title_);
  QStringList bars;
  for (int k = 0; k < names_.size() && k < static_cast<int>(rates_.size()); ++k)
    bars << QString("%1 %2%").arg(names_[k]).arg(rates_[k], 0, 'f', 0);
  setAccessibleDescription(bars.join(", "));
}

void RateBarChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect room = paintCard(p, *this, title_);
  const QFontMetrics fm(font());
  int nameWidth = 0;
  for (const QString& name : names_)
    nameWidth = std::max(nameWidth, fm.horizontalAdvance(name));
  const int half = fm.horizontalAdvance("100%") / 2;
  const QRect plot = room.adjusted(nameWidth + kPad, 0, -half, -(fm.height() + kPad / 2));
  if (plot.width() <= 0 || plot.height() <= 0) return;

  // The grid and its labels every quarter.
  for (int percent = 0; percent <= 100; percent += 25) {
    const int x = plot.left() + plot.width() * percent / 100;
    p.setPen(kGrid);
    p.drawLine(x, plot.top(), x, plot.bottom());
    p.setPen(kAxisText);
    const QString label = QString::number(percent) + "%";
    const int w = fm.horizontalAdvance(label);
    p.drawText(QRect(x - w, plot.bottom() + kPad / 2, 2 * w, fm.height()), Qt::AlignHCenter, label);
  }

  const int rows = static_cast<int>(std::min<qsizetype>(names_.size(), rates_.size()));
  if (rows == 0) return;
  const double band = static_cast<double>(plot.height()) / rows;
  for (int row = 0; row < rows; ++row) {
    const double top = plot.top() + row * band;
    const double rate = std::clamp(rates_[row], 0.0, 100.0);
    p.setPen(Qt::NoPen);
    p.setBrush(seriesColour(0));
    p.drawRect(QRectF(plot.left(), top + band * 0.2, plot.width() * rate / 100, band * 0.6));
    p.setPen(kAxisText);
    p.drawText(QRectF(room.left(), top, nameWidth, band), Qt::AlignRight | Qt::AlignVCenter,
               names_[row]);
  }
}

LineChart::LineChart(const QString& title, const QString& xTitle, const QString& yTitle, int xLow,
                     int xHigh, double yLow, double yHigh, std::vector<Series> series,
                     QWidget* parent)
    : QWidget(parent),
      title_(title),
      xTitle_(xTitle),
      yTitle_(yTitle),
      xLow_(xLow),
      xHigh_(std::max(xHigh, xLow + 1)),
      yLow_(yLow),
      yHigh_(yHigh > yLow ? yHigh : yLow + 1),
      series_(std::move(series)) {
  setMinimumSize(240, 160);
  // A screen reader hears the title, then every line's name and its last value.
  setAccessibleRole(this, QAccessible::Chart);
  setAccessibleName(title_);
  QStringList lines;
  for (const Series& line : series_) {
    if (line.points.empty()) continue;
    lines << QString("%1 %2").arg(line.name).arg(line.points.back().y(), 0, 'f', 0);
  }
  setAccessibleDescription(QString("%1 / %2: %3").arg(xTitle_, yTitle_, lines.join(", ")));
}

std::vector<QRect> LineChart::legendPlaces() const {
  std::vector<QRect> places;
  if (series_.empty()) return places;
  const QFontMetrics fm(font());
  const QRect room = cardRoom(*this);
  int nameWidth = 0;
  for (const Series& s : series_)
    nameWidth = std::max(nameWidth, fm.horizontalAdvance(s.name));
  // As many names in a column as the card holds; the others stand in further columns.
  const int line = fm.height() + kLegendGap;
  const int count = static_cast<int>(series_.size());
  const int perColumn = std::clamp((room.height() + kLegendGap) / line, 1, count);
  const int columns = (count + perColumn - 1) / perColumn;
  const int entryWidth = kSwatch + 6 + nameWidth + kPad;
  const int left = room.right() + 1 - columns * entryWidth;
  for (int i = 0; i < count; ++i) {
    places.emplace_back(left + (i / perColumn) * entryWidth, room.top() + (i % perColumn) * line,
                        entryWidth - kPad, fm.height());
  }
  return places;
}

void LineChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect room = paintCard(p, *this, title_);
  const QFontMetrics fm(font());

  // The legend on the right: the swatch with the point's shape, and the name of each line.
  const std::vector<QRect> legend = legendPlaces();
  const int legendWidth = legend.empty() ? 0 : room.right() + 1 - legend.front().left() + kPad;
  for (size_t i = 0; i < legend.size(); ++i) {
    const QRect& at = legend[i];
    const QRect swatch(at.left(), at.top() + at.height() / 2 - 5, kSwatch, 10);
    p.fillRect(swatch.adjusted(0, 4, 0, -4), seriesColour(i));
    p.setPen(Qt::NoPen);
    p.setBrush(seriesColour(i));
    drawPoint(p, QRectF(swatch).center(), seriesShape(i), 4);
    p.setPen(kAxisText);
    p.drawText(at.adjusted(kSwatch + 6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
               series_[i].name);
  }

  const double yStep =
      wholeY_ ? std::max(1.0, tickStep(yHigh_ - yLow_, 8)) : tickStep(yHigh_ - yLow_, 8);
  int labelWidth = 0;
  for (double y = yLow_; y <= yHigh_ + 1e-9; y += yStep)
    labelWidth = std::max(labelWidth, fm.horizontalAdvance(QString::number(y, 'f', 0)));
  const int left = fm.height() + kPad / 2 + labelWidth + kPad / 2;
  const int bottom = 2 * fm.height() + kPad;
  const QRect plot = room.adjusted(left, fm.height() / 2, -legendWidth, -bottom);
  if (plot.width() <= 0 || plot.height() <= 0) return;
  plot_ = plot;
  auto xAt = [&](double x) { return plot.left() + plot.width() * (x - xLow_) / (xHigh_ - xLow_); };
  auto yAt = [&](double y) {
    return plot.bottom() - plot.height() * (y - yLow_) / (yHigh_ - yLow_);
  };

  for (double y = yLow_; y <= yHigh_ + 1e-9; y += yStep) {
    p.setPen(kGrid);
    p.drawLine(QPointF(plot.left(), yAt(y)), QPointF(plot.right(), yAt(y)));
    p.setPen(kAxisText);
    p.drawText(QRectF(plot.left() - kPad / 2 - labelWidth, yAt(y) - fm.height() / 2.0, labelWidth,
                      fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, QString::number(y, 'f', 0));
  }
  const int xStep = std::max(1, static_cast<int>(std::ceil((xHigh_ - xLow_) / 10.0)));
  for (int x = xLow_; x <= xHigh_; x += xStep) {
    p.setPen(kGrid);
    p.drawLine(QPointF(xAt(x), plot.top()), QPointF(xAt(x), plot.bottom()));
    p.setPen(kAxisText);
    p.drawText(QRectF(xAt(x) - 30, plot.bottom() + kPad / 2, 60, fm.height()), Qt::AlignHCenter,
               QString::number(x));
  }
  p.drawText(QRect(plot.left(), plot.bottom() + kPad / 2 + fm.height(), plot.width(), fm.height()),
             Qt::AlignHCenter, xTitle_);
  p.save();
  p.translate(room.left(), plot.center().y());
  p.rotate(-90);
  p.drawText(QRect(-plot.height() / 2, 0, plot.height(), fm.height()), Qt::AlignHCenter, yTitle_);
  p.restore();

  for (size_t i = 0; i < series_.size(); ++i) {
    const QColor colour = seriesColour(i);
    QPainterPath line;
    for (size_t k = 0; k < series_[i].points.size(); ++k) {
      const QPointF at(xAt(series_[i].points[k].x()), yAt(series_[i].points[k].y()));
      if (k == 0)
        line.moveTo(at);
      else
        line.lineTo(at);
    }
    p.setPen(QPen(colour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (const QPointF& point : series_[i].points)
      drawPoint(p, QPointF(xAt(point.x()), yAt(point.y())), seriesShape(i), 4);
  }
}

QPointF LineChart::onScreen(const QPointF& point) const {
  return {plot_.left() + plot_.width() * (point.x() - xLow_) / (xHigh_ - xLow_),
          plot_.bottom() - plot_.height() * (point.y() - yLow_) / (yHigh_ - yLow_)};
}

QString LineChart::tipAt(const QPoint& pos) const {
  if (plot_.isEmpty()) return {};
  constexpr double kReach = 8;
  double nearest = kReach * kReach;
  QString tip;
  for (const Series& s : series_) {
    for (size_t k = 0; k < s.points.size(); ++k) {
      const QPointF d = onScreen(s.points[k]) - QPointF(pos);
      const double distance = d.x() * d.x() + d.y() * d.y();
      if (distance > nearest) continue;
      nearest = distance;
      tip = k < static_cast<size_t>(s.tips.size())
                ? s.tips[static_cast<qsizetype>(k)]
                : QString("%1\n%2 %3: %4")
                      .arg(s.name, xTitle_, QString::number(s.points[k].x()),
                           QString::number(s.points[k].y()));
    }
  }
  return tip;
}

bool LineChart::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString tip = tipAt(help->pos());
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), tip, this);
  }
  return true;
}

}  // namespace velko::ui
