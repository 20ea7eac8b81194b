#include "ui/lab/colour_scale.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace velko::ui {

namespace {

// The table's own dark cell, and the two ends of the scale.
const QColor kPlain(18, 24, 38);
const QColor kBetter(40, 120, 230);
const QColor kWorse(235, 130, 20);

// From the plain cell towards the end, by the share.
QColor towards(const QColor& end, double share) {
  const auto mix = [share](int from, int to) {
    return static_cast<int>(std::lround(from + (to - from) * share));
  };
  return QColor(mix(kPlain.red(), end.red()), mix(kPlain.green(), end.green()),
                mix(kPlain.blue(), end.blue()));
}

// A difference under one standard deviation is within what luck gives.
constexpr double kMarked = 1.0;

}  // namespace

QColor deviationColour(double deviation) {
  const double strength = std::min(1.0, std::abs(deviation) / 3.0);
  return towards(deviation >= 0 ? kBetter : kWorse, strength);
}

QString deviationMark(double deviation) {
  if (deviation >= kMarked) return QString::fromUtf8("▲");
  if (deviation <= -kMarked) return QString::fromUtf8("▼");
  return {};
}

QColor seriesColour(size_t index) {
  // Colours that stay apart for the common kinds of colour blindness, bright on a dark card.
  static const QColor kColours[] = {
      QColor(86, 180, 233), QColor(230, 159, 0), QColor(0, 190, 140),   QColor(240, 228, 66),
      QColor(90, 130, 235), QColor(213, 94, 0),  QColor(204, 121, 167), QColor(220, 220, 220)};
  return kColours[index % std::size(kColours)];
}

PointShape seriesShape(size_t index) {
  static const PointShape kShapes[] = {PointShape::Circle, PointShape::Square, PointShape::Triangle,
                                       PointShape::Diamond, PointShape::Cross};
  return kShapes[index % std::size(kShapes)];
}

}  // namespace velko::ui
