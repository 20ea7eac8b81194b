#pragma once
// The colours of the lab's and the league's tables and charts, chosen so that players who do
// not tell red from green still tell them apart (blue against orange), and each paired with a
// mark that says the same without colour.

#include <QColor>
#include <QString>

namespace velko::ui {

// A cell of the league's cross table: blue where the row did better than its rating expects,
// orange where worse, stronger the further from the expectation (in standard deviations).
QColor deviationColour(double deviation);
// The mark beside the cell's number: ▲ better, ▼ worse, nothing while it is close.
QString deviationMark(double deviation);

// The line of the index-th series of a chart, and the shape of its points; no two of the first
// forty series share both.
QColor seriesColour(size_t index);
enum class PointShape { Circle, Square, Triangle, Diamond, Cross };
PointShape seriesShape(size_t index);

}  // namespace velko::ui
