#include "ui/workshop/shop_compare_panel.h"
#include "ui/widgets/qt_text.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace velko::ui {

namespace {

// Blue for better, orange for worse: told apart without red and green, beside the arrow.
const char* colourOf(Change change) {
  switch (change) {
    case Change::Better:
      return "#6fc3ff";
    case Change::Worse:
      return "#ffa040";
    case Change::Neutral:
      return "#dfe6f2";
    case Change::Same:
      break;
  }
  return "#5b6570";
}

const char* kPanelStyle =
    "velko--ui--ShopComparePanel { background: #1a2130; border: 1px solid #3b4966;"
    "  border-radius: 4px; }"
    "QLabel#compareCaption { font-weight: bold; color: #ffb08f; }"
    "QLabel#compareNotice { color: #ffd66b; font-weight: bold; }";

}  // namespace

ShopComparePanel::ShopComparePanel(QWidget* parent) : QFrame(parent) {
  setObjectName("compare");
  setStyleSheet(kPanelStyle);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(10, 6, 10, 6);
  column->setSpacing(4);
  caption_ = new QLabel(this);
  caption_->setObjectName("compareCaption");
  column->addWidget(caption_);
  auto* rows = new QWidget(this);
  grid_ = new QGridLayout(rows);
  grid_->setContentsMargins(0, 0, 0, 0);
  grid_->setHorizontalSpacing(12);
  grid_->setVerticalSpacing(1);
  grid_->setAlignment(Qt::AlignTop);
  column->addWidget(rows);
  notice_ = new QLabel(this);
  notice_->setObjectName("compareNotice");
  notice_->setWordWrap(true);
  column->addWidget(notice_);
  column->addStretch(1);
  // Room for the caption, seven rows and a two-line notice whatever is shown: the lists
  // beside give way, not the numbers.
  const int line = fontMetrics().lineSpacing() + 3;
  setFixedHeight(line * 10 + 24);
  // And room for the widest rows from the start, so the stock table beside does not narrow
  // when a part is first compared.
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics plain(font());
  const QFontMetrics strong(bold);
  const auto block = [&](const QString& label, const QString& value) {
    return plain.horizontalAdvance(label) + plain.horizontalAdvance(value) +
           plain.horizontalAdvance("→") + strong.horizontalAdvance(value) + 3 * 12;
  };
  setMinimumWidth(block(qtTrId("フレームHP"), "9999") + 12 + 14 + 12 +
                  block(qtTrId("アーマークラス"), "Novice") + 20 + 2 * frameWidth() + 8);
  showComparison("", std::nullopt);
}

void ShopComparePanel::showComparison(const std::string& partName,
                                      const std::optional<PartComparison>& c) {
  while (QLayoutItem* item = grid_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  notice_->clear();
  if (!c) {
    caption_->setText(qtTrId("パーツを選ぶと、付けた時のDollの能力を比べられます"));
    notice_->hide();
    return;
  }
  caption_->setText(QString(qtTrId("%1 を付けると（今 → 後）")).arg(q(partName)));
  // Two blocks side by side, so the panel stays low beside the owned-parts lists.
  const int perBlock = (static_cast<int>(c->rows.size()) + 1) / 2;
  int index = 0;
  for (const CompareRow& row : c->rows) {
    const int line = index % perBlock;
    const int column = (index / perBlock) * 5;
    ++index;
    auto* label = new QLabel(q(row.label), grid_->parentWidget());
    auto* now = new QLabel(q(row.now), grid_->parentWidget());
    auto* arrow = new QLabel("→", grid_->parentWidget());
    auto* then = new QLabel(q(row.then), grid_->parentWidget());
    then->setObjectName("then:" + q(row.label));
    now->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    then->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const bool changed = row.change != Change::Same;
    then->setStyleSheet(QString("color: %1;%2")
                            .arg(colourOf(row.change))
                            .arg(changed ? " font-weight: bold;" : ""));
    grid_->addWidget(label, line, column);
    grid_->addWidget(now, line, column + 1);
    grid_->addWidget(arrow, line, column + 2);
    grid_->addWidget(then, line, column + 3);
  }
  grid_->setColumnMinimumWidth(4, 14);
  if (!c->fits) {
    notice_->setText(
        qtTrId("このパーツは今のDollには付けられません（同じ名前のパーツか、空きがありません）"));
  } else {
    notice_->setText(q(c->classNotice));
  }
  notice_->setVisible(!notice_->text().isEmpty());
}

QLabel* ShopComparePanel::thenLabel(const QString& caption) const {
  return findChild<QLabel*>("then:" + caption);
}

}  // namespace velko::ui
