#include "ui/workshop/history_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/widgets/screen_fit.h"
#include "ui/workshop/history_charts.h"

namespace velko::ui {

HistoryWindow::HistoryWindow(const CareerHistory& history, QWidget* parent) : QDialog(parent) {
  setObjectName("HistoryWindow");
  setWindowTitle(qtTrId("戦績"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  auto* totals = new QLabel(historyTotalsText(history), this);
  totals->setObjectName("historyTotals");
  layout->addWidget(totals);
  // A game saved before histories were kept has its history from the month it was loaded.
  if (!history.months.empty() && history.months.front().month > 0) {
    auto* since = new QLabel(
        qtTrId("戦績は%1から記録されています").arg(historyMonthText(history.months.front().month)),
        this);
    since->setObjectName("historySince");
    layout->addWidget(since);
  }
  charts_ = new HistoryCharts(history, this);
  layout->addWidget(charts_, 1);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(qtTrId("閉じる(&C)"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(900, 620);
  fitToScreen(this);
}

}  // namespace velko::ui
