#include "ui/workshop/hall_of_fame_view.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "history/hall_of_fame.h"
#include "ui/widgets/screen_fit.h"

namespace velko::ui {

namespace {

QTableWidgetItem* hallCell(const QString& text, bool number) {
  auto* item = new QTableWidgetItem(text);
  if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

}  // namespace

HallOfFameView::HallOfFameView(const GameFolder& folder, QWidget* parent) : QWidget(parent) {
  setObjectName("HallOfFame");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  const HallRead read = loadHall(folder);
  if (!read.accepted()) {
    auto* refusal = new QLabel(QString::fromStdString(read.error), this);
    refusal->setObjectName("hallRefusal");
    refusal->setWordWrap(true);
    layout->addWidget(refusal);
    return;
  }
  // The rows' own numbers are the ranks.
  table_ = new QTableWidget(static_cast<int>(read.hall.size()), 7, this);
  table_->setObjectName("tableHall");
  table_->setHorizontalHeaderLabels({qtTrId("パイロット"), "Doll", qtTrId("優勝"), qtTrId("勝ち"),
                                     qtTrId("負け"), qtTrId("中断"), qtTrId("日付")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  for (int row = 0; row < static_cast<int>(read.hall.size()); ++row) {
    const HallEntry& e = read.hall[static_cast<size_t>(row)];
    table_->setItem(row, 0, hallCell(QString::fromStdString(e.pilot), false));
    table_->setItem(row, 1, hallCell(QString::fromStdString(e.doll), false));
    table_->setItem(row, 2, hallCell(QString::number(e.titles), true));
    table_->setItem(row, 3, hallCell(QString::number(e.wins), true));
    table_->setItem(row, 4, hallCell(QString::number(e.losses), true));
    table_->setItem(row, 5, hallCell(QString::number(e.givenUp), true));
    table_->setItem(row, 6, hallCell(QString::fromStdString(e.date), false));
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(table_);
  if (read.hall.empty()) {
    auto* none = new QLabel(qtTrId("まだ2年間を終えたキャリアはありません"), this);
    none->setObjectName("hallEmpty");
    layout->addWidget(none);
  }
}

HallOfFameWindow::HallOfFameWindow(const GameFolder& folder, QWidget* parent) : QDialog(parent) {
  setObjectName("HallOfFameWindow");
  setWindowTitle(qtTrId("殿堂"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new HallOfFameView(folder, this));
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(qtTrId("閉じる(&C)"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(680, 420);
  fitToScreen(this);
}

}  // namespace velko::ui
