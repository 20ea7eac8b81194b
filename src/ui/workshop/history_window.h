#pragma once
// 情報 → 「戦績」: the career's history so far, as charts with the numbers on hover, and its
// totals. It reads the history and changes nothing.

#include <QDialog>

#include "history/career_history.h"

namespace velko::ui {

class HistoryCharts;

class HistoryWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HistoryWindow(const CareerHistory& history, QWidget* parent = nullptr);

  HistoryCharts* charts() const { return charts_; }

 private:
  HistoryCharts* charts_ = nullptr;
};

}  // namespace velko::ui
