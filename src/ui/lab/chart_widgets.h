#pragma once
// The two charts of the lab and the league, painted directly: a bar per opponent and a line
// per entrant. Painting them ourselves keeps a charting library (and the OpenGL libraries it
// brings) out of every start of the game, for two small pictures.

#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace velko::ui {

// Horizontal bars from 0 to 100 (per cent), one per name, the first name on top.
class RateBarChart : public QWidget {
  Q_OBJECT

 public:
  RateBarChart(const QString& title, const QStringList& names, const std::vector<double>& rates,
               QWidget* parent = nullptr);

  const QStringList& names() const { return names_; }
  const std::vector<double>& rates() const { return rates_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString title_;
  QStringList names_;
  std::vector<double> rates_;
};

// One line with its points per series, over x from xLow to xHigh (whole numbers, the runs) and
// y from yLow to yHigh; the series' names stand in a legend on the right, in as many columns as
// it takes to show them all. Hovering over a point shows its numbers.
class LineChart : public QWidget {
  Q_OBJECT

 public:
  struct Series {
    QString name;
    std::vector<QPointF> points;
    // What hovering over each point shows; when empty, the name, x and y.
    QStringList tips = {};
  };

  LineChart(const QString& title, const QString& xTitle, const QString& yTitle, int xLow, int xHigh,
            double yLow, double yHigh, std::vector<Series> series, QWidget* parent = nullptr);

  const std::vector<Series>& series() const { return series_; }
  // Where each series' name stands in the legend, at the chart's present size.
  std::vector<QRect> legendPlaces() const;
  // The text for the point nearest `pos` within a few pixels, as last painted; empty if none.
  QString tipAt(const QPoint& pos) const;
  // The y axis in steps of whole numbers, for counts.
  void setWholeNumbers(bool whole) { wholeY_ = whole; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QPointF onScreen(const QPointF& point) const;

  QString title_, xTitle_, yTitle_;
  int xLow_, xHigh_;
  double yLow_, yHigh_;
  std::vector<Series> series_;
  QRectF plot_;  // where the last paint put the plot
  bool wholeY_ = false;
};

}  // namespace velko::ui
