#pragma once
// The read-only tables the practice lab and the league show their results in: names left,
// numbers right.

#include <QStringList>

class QTableWidget;
class QWidget;

namespace velko::ui {

QTableWidget* resultTable(QWidget* parent, const QStringList& headings);

// The row's cells; every cell after the first is a number, aligned right.
void setResultRow(QTableWidget* table, int row, const QStringList& cells);

}  // namespace velko::ui
