#pragma once
// A career's history as four charts, month by month: money and the Doll's value, piloting
// skill, the tournament bouts won, lost and given up, and the tournaments entered and won.
// Hovering over a point shows its month and numbers.

#include <QString>
#include <QWidget>
#include <vector>

#include "history/career_history.h"

namespace velko::ui {

class LineChart;

class HistoryCharts : public QWidget {
  Q_OBJECT

 public:
  explicit HistoryCharts(const CareerHistory& history, QWidget* parent = nullptr);

  const std::vector<LineChart*>& charts() const { return charts_; }

 private:
  std::vector<LineChart*> charts_;
};

// One line of the career's totals: fights, wins, losses, give-ups, tournaments, titles and
// parts lost.
QString historyTotalsText(const CareerHistory& history);

// "2013/06", the month of the calendar a history month stands for.
QString historyMonthText(int month);

}  // namespace velko::ui
