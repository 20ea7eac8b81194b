#include "ui/workshop/history_charts.h"

#include <QGridLayout>
#include <algorithm>
#include <functional>

#include "career/calendar.h"
#include "ui/lab/chart_widgets.h"

namespace velko::ui {

namespace {

using MonthValue = std::function<int(const HistoryMonth&)>;

struct ChartLine {
  QString name;
  MonthValue value;
  QString unit;  // after the number in the tip: "Rl", ""
};

// One chart of the given lines over the history's months; y from 0 (or the lowest value when
// below) to a little above the highest.
LineChart* chartOf(const CareerHistory& history, const QString& title, const QString& yTitle,
                   const std::vector<ChartLine>& lines, QWidget* parent, bool counts = true) {
  std::vector<LineChart::Series> series;
  double low = 0;
  double high = 1;
  for (const ChartLine& line : lines) {
    LineChart::Series s{line.name, {}, {}};
    for (const HistoryMonth& m : history.months) {
      const int v = line.value(m);
      low = std::min<double>(low, v);
      high = std::max<double>(high, v);
      s.points.emplace_back(m.month, v);
      s.tips
          << QString("%1\n%2 %3%4").arg(historyMonthText(m.month), line.name).arg(v).arg(line.unit);
    }
    series.push_back(s);
  }
  const int first = history.months.empty() ? 0 : history.months.front().month;
  const int last = history.months.empty() ? kCareerMonths : history.months.back().month;
  // A little room above the highest point, so it does not sit on the frame.
  const double top = high + std::max(1.0, (high - low) / 10);
  auto* chart = new LineChart(title, qtTrId("月"), yTitle, first, std::max(last, first + 1), low,
                              top, series, parent);
  chart->setMinimumSize(300, 200);
  chart->setWholeNumbers(counts);
  return chart;
}

}  // namespace

QString historyMonthText(int month) {
  const GameDate date = careerStart().addMonths(month);
  return QString("%1/%2").arg(date.year()).arg(date.month(), 2, 10, QChar('0'));
}

HistoryCharts::HistoryCharts(const CareerHistory& history, QWidget* parent) : QWidget(parent) {
  setObjectName("HistoryCharts");
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  charts_.push_back(
      chartOf(history, qtTrId("所持金とDollの価値"), "Rl",
              {{qtTrId("所持金"), [](const HistoryMonth& m) { return m.money; }, "Rl"},
               {qtTrId("Dollの価値"), [](const HistoryMonth& m) { return m.dollValue; }, "Rl"}},
              this, false));
  charts_.push_back(
      chartOf(history, qtTrId("操作能力"), qtTrId("操作能力"),
              {{qtTrId("操作能力"), [](const HistoryMonth& m) { return m.skill; }, ""}}, this));
  charts_.push_back(
      chartOf(history, qtTrId("月ごとの勝敗（トーナメント）"), qtTrId("試合"),
              {{qtTrId("勝ち"), [](const HistoryMonth& m) { return m.wins; }, ""},
               {qtTrId("負け"), [](const HistoryMonth& m) { return m.losses; }, ""},
               {qtTrId("ギブアップした試合"), [](const HistoryMonth& m) { return m.givenUp; }, ""}},
              this));
  charts_.push_back(
      chartOf(history, qtTrId("トーナメント"), qtTrId("トーナメントの数"),
              {{qtTrId("出場"), [](const HistoryMonth& m) { return m.tournaments; }, ""},
               {qtTrId("優勝"), [](const HistoryMonth& m) { return m.titles; }, ""}},
              this));
  for (size_t i = 0; i < charts_.size(); ++i) {
    charts_[i]->setObjectName(QString("historyChart%1").arg(i));
    grid->addWidget(charts_[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
  }
}

QString historyTotalsText(const CareerHistory& history) {
  const HistoryTotals t = totalsOf(history);
  return qtTrId("試合%1　勝ち%2　負け%3　ギブアップ%4　トーナメント出場%5　優勝%6　失ったパーツ%7")
      .arg(t.fights)
      .arg(t.wins)
      .arg(t.losses)
      .arg(t.givenUp)
      .arg(t.tournaments)
      .arg(t.titles)
      .arg(t.partsLost);
}

}  // namespace velko::ui
