#include "ui/workshop/shop.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "coach/coach_texts.h"
#include "core/shipped_names.h"
#include "model/doll_class.h"
#include "shop/owned_parts.h"
#include "shop/shop_kinds.h"
#include "ui/widgets/dmsg.h"
#include "ui/widgets/guide_pane.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/screen_fit.h"
#include "ui/widgets/ui_style.h"
#include "ui/workshop/shop_coach_panel.h"
#include "ui/workshop/shop_compare_panel.h"

namespace velko::ui {

namespace {

constexpr int kWidth = 980;
constexpr int kHeight = 700;

const char* kStyle =
    "QFrame#paneGuide { background: #fff8dc; border: 1px solid #c8b27a; border-radius: 4px; }"
    "QLabel#dspGuide { color: #3a3020; }"
    "QLabel#lblPlayerRl { background: #121826; color: #ffffff; border: 1px solid #3b4966;"
    "  border-radius: 3px; padding: 2px 8px; font-weight: bold; }"
    "QLabel#dspMsg { background: #121826; border: 1px solid #3b4966; border-radius: 3px;"
    "  padding: 3px 8px; color: #8fd8ff; }"
    "QListWidget::item { padding: 3px 6px; }";

}  // namespace

Shop::Shop(CareerState& state, CareerServices& services, QWidget* parent)
    : QDialog(parent), state_(state), services_(services), model_(state, services) {
  setWindowTitle("Shop");
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setFixedSize(kWidth, kHeight);
  setMouseTracking(true);
  setStyleSheet(kStyle + focusFrameStyle());
  buildControls();
  model_.Form_Load();
  {
    const QSignalBlocker quiet(ComboShop_);
    ComboShop_->setCurrentIndex(model_.ComboShop);
  }
  showStock();
  showOwnedParts();
  showMoneyAndHints();
  fitToScreen(this);
}

void Shop::buildControls() {
  auto* top = new QHBoxLayout;
  ComboShop_ = new QComboBox(this);
  ComboShop_->setObjectName("ComboShop");
  ComboShop_->setMinimumWidth(200);
  for (const char* kind : kShopKindNames)
    ComboShop_->addItem(qtTrId(kind));
  connect(ComboShop_, &QComboBox::currentIndexChanged, this, &Shop::ComboShop_Click);
  top->addWidget(ComboShop_);
  cmdCoach_ = new QPushButton(qtTrId("おすすめ構成"), this);
  cmdCoach_->setObjectName("cmdCoach");
  cmdCoach_->setAutoDefault(false);
  connect(cmdCoach_, &QPushButton::clicked, this, &Shop::cmdCoach_Click);
  top->addWidget(cmdCoach_);
  top->addStretch(1);
  auto* moneyHeading = new QLabel(qtTrId("所持金"), this);
  moneyHeading->setObjectName("lblPlayerRlHeading");
  top->addWidget(moneyHeading);
  lblPlayerRl_ = new QLabel(this);
  lblPlayerRl_->setObjectName("lblPlayerRl");
  lblPlayerRl_->setMinimumWidth(110);
  lblPlayerRl_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  top->addWidget(lblPlayerRl_);

  auto* middle = new QHBoxLayout;
  middle->addWidget(buildStockPane(), 3);
  middle->addWidget(buildOwnedPane(), 2);

  auto* bottom = new QHBoxLayout;
  dspMsg_ = new QLabel(this);
  dspMsg_->setObjectName("dspMsg");
  dspMsg_->setMinimumHeight(30);
  bottom->addWidget(dspMsg_, 1);
  Command1_ = new QPushButton(qtTrId("閉じる"), this);
  Command1_->setObjectName("Command1");
  Command1_->setMinimumSize(120, 32);
  connect(Command1_, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addWidget(Command1_);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(14, 14, 14, 14);
  page->setSpacing(10);
  page->addLayout(top);
  page->addLayout(middle, 1);
  page->addWidget(buildGuidePane());
  page->addLayout(bottom);
}

QWidget* Shop::buildStockPane() {
  List1_ = new QTableWidget(this);
  List1_->setObjectName("List1");
  List1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  List1_->setSelectionBehavior(QAbstractItemView::SelectRows);
  List1_->setSelectionMode(QAbstractItemView::SingleSelection);
  List1_->setAlternatingRowColors(true);
  // The keyboard reaches the stock by Tab; the arrows choose a row and Return asks to buy it,
  // as a click does. Tab leaves the table rather than walking its cells.
  List1_->setTabKeyNavigation(false);
  List1_->installEventFilter(this);
  List1_->verticalHeader()->setVisible(false);
  List1_->verticalHeader()->setDefaultSectionSize(23);
  List1_->horizontalHeader()->setHighlightSections(false);
  List1_->horizontalHeader()->viewport()->setMouseTracking(true);
  List1_->horizontalHeader()->viewport()->installEventFilter(this);
  // A row compares when it is selected, and already when the mouse rests on it, since a click
  // asks at once whether to buy; a selected frame row also tells what the frame needs.
  connect(List1_, &QTableWidget::currentCellChanged, this, [this](int row) {
    showComparison(row);
    model_.List1_Select(row);
    showMoneyAndHints();
  });
  List1_->setMouseTracking(true);
  connect(List1_, &QTableWidget::cellEntered, this, [this](int row) { showComparison(row); });
  // Once the mouse leaves the rows, the panel goes back to the selected row, the one the
  // description below speaks of.
  connect(List1_, &QAbstractItemView::viewportEntered, this,
          [this] { showComparison(List1_->currentRow()); });
  List1_->viewport()->installEventFilter(this);
  // Queued, so the question is asked after the click has been handled by the table.
  connect(
      List1_, &QTableWidget::cellClicked, this, [this](int row, int) { List1_Click(row); },
      Qt::QueuedConnection);
  return List1_;
}

QWidget* Shop::buildOwnedPane() {
  auto* pane = new QWidget(this);
  auto* column = new QVBoxLayout(pane);
  column->setContentsMargins(0, 0, 0, 0);
  for (int list : {kListUsed, kListNew}) {
    auto* box = new QGroupBox(qtTrId(kOwnPartsCaptions[list]), pane);
    auto* inside = new QVBoxLayout(box);
    ListOwnParts_[list] = new QListWidget(box);
    ListOwnParts_[list]->setObjectName(list == kListUsed ? "ListOwnParts0" : "ListOwnParts1");
    ListOwnParts_[list]->setAccessibleName(box->title());
    ListOwnParts_[list]->installEventFilter(this);
    inside->addWidget(ListOwnParts_[list]);
    connect(
        ListOwnParts_[list], &QListWidget::clicked, this,
        [this, list](const QModelIndex& index) { ListOwnParts_Click(list, index.row()); },
        Qt::QueuedConnection);
    column->addWidget(box);
  }
  compare_ = new ShopComparePanel(pane);
  column->addWidget(compare_);
  return pane;
}

QWidget* Shop::buildGuidePane() {
  paneGuide_ = makeGuidePane(this, this, dspGuide_);
  paneGuide_->setFixedHeight(92);
  return paneGuide_;
}

void Shop::keepClearOfComparison(QWidget* question) {
  const QRect panel(compare_->mapToGlobal(QPoint(0, 0)), compare_->size());
  if (!question->frameGeometry().intersects(panel)) return;
  const QRect stock(List1_->mapToGlobal(QPoint(0, 0)), List1_->size());
  question->move(stock.left() + (stock.width() - question->width()) / 2,
                 stock.top() + stock.height() / 3);
}

// Return on a focused table or list asks the same question as a click on its current row.
bool Shop::returnPressed(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  if (watched == List1_) {
    List1_Click(List1_->currentRow());
    return true;
  }
  for (int list : {kListUsed, kListNew}) {
    if (watched != ListOwnParts_[list]) continue;
    ListOwnParts_Click(list, ListOwnParts_[list]->currentRow());
    return true;
  }
  return false;
}

bool Shop::eventFilter(QObject* watched, QEvent* event) {
  if (returnPressed(watched, event)) return true;
  if (asking_ && event->type() == QEvent::Show && qobject_cast<DMsg*>(watched)) {
    keepClearOfComparison(static_cast<QWidget*>(watched));
    return false;
  }
  if (watched == List1_->horizontalHeader()->viewport() && event->type() == QEvent::MouseMove) {
    const auto* move = static_cast<QMouseEvent*>(event);
    const int section = List1_->horizontalHeader()->logicalIndexAt(move->position().toPoint());
    if (section >= 0) {
      model_.lblAbl_MouseMove(section);
      showMoneyAndHints();
    }
  }
  if (watched == List1_->viewport() && event->type() == QEvent::Leave)
    showComparison(List1_->currentRow());
  const bool onGuide = watched == paneGuide_ || watched == dspGuide_;
  if (onGuide && event->type() == QEvent::MouseButtonRelease) {
    model_.dspGuide_Click();
    showMoneyAndHints();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void Shop::mouseMoveEvent(QMouseEvent* event) {
  model_.Form_MouseMove();
  showMoneyAndHints();
  QDialog::mouseMoveEvent(event);
}

void Shop::ComboShop_Click(int index) {
  model_.dsp_Parts(index);
  showStock();
  showMoneyAndHints();
}

void Shop::List1_Click(int row) {
  // The purchase question stands over the stock, never over the comparison it asks about.
  asking_ = true;
  qApp->installEventFilter(this);
  model_.List1_Click(row);
  qApp->removeEventFilter(this);
  asking_ = false;
  showComparison(row);
  showOwnedParts();
  showMoneyAndHints();
}

void Shop::ListOwnParts_Click(int list, int row) {
  model_.ListOwnParts_Click(list, row);
  showComparison(List1_->currentRow());
  showOwnedParts();
  showMoneyAndHints();
}

void Shop::cmdCoach_Click() {
  const doll& d = state_.playerDoll();
  const bool whole = !d.Motor->name.empty() && !d.frame->name.empty() && !d.Hard->name.empty();
  ShopCoachPanel panel(state_, services_, whole ? classIndex(d.value) : 0, this);
  if (panel.exec() != QDialog::Accepted || !panel.chosen()) return;
  buyProposal(*panel.chosen());
}

bool Shop::buyProposal(const BuildProposal& proposal) {
  if (services_.prompter.askOKSafe(buyQuestion(proposal)) != kAnswerOK) return false;
  const bool done = model_.applyTrades(proposal.trades);
  {
    const QSignalBlocker quiet(ComboShop_);
    ComboShop_->setCurrentIndex(model_.ComboShop);
  }
  showStock();
  showOwnedParts();
  showMoneyAndHints();
  return done;
}

void Shop::showComparison(int row) {
  const auto& names = model_.stock.List1;
  const bool valid = row >= 0 && row < static_cast<int>(names.size());
  compare_->showComparison(valid ? shownPartName(names[row]) : "", model_.comparison(row));
}

void Shop::showStock() {
  const StockTable& stock = model_.stock;
  const int columns = stock.headingCount();
  List1_->clear();
  List1_->setAccessibleName(ComboShop_->currentText());
  List1_->setColumnCount(columns);
  List1_->setRowCount(static_cast<int>(stock.List1.size()));
  QStringList headings;
  for (int c = 0; c < columns; ++c)
    headings << q(stock.lblAbl[c]);
  List1_->setHorizontalHeaderLabels(headings);
  for (int row = 0; row < List1_->rowCount(); ++row) {
    const bool forSale = !stock.List1[row].empty();
    for (int c = 0; c < columns; ++c) {
      const std::string& text = c == 0   ? stock.List1[row]
                                : c == 1 ? stock.lblRl[row]
                                         : stock.dspAbl[c - 2][row];
      auto* item = new QTableWidgetItem(q(c == 0 ? shownPartName(text) : text));
      item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                    : Qt::AlignRight | Qt::AlignVCenter);
      if (!forSale) item->setFlags(Qt::NoItemFlags);
      List1_->setItem(row, c, item);
    }
  }
  // The numbers take what their widest entry or heading needs and the names the rest, so
  // every column and every whole name stays in view.
  QHeaderView* header = List1_->horizontalHeader();
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int c = 1; c < columns; ++c)
    header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
  List1_->scrollToTop();
  showComparison(List1_->currentRow());
}

void Shop::showOwnedParts() {
  for (int list : {kListUsed, kListNew}) {
    QListWidget* widget = ListOwnParts_[list];
    widget->clear();
    for (const OwnedRow& row : model_.ListOwnParts[list]) {
      auto* item = new QListWidgetItem(q(shownPartName(row.name)), widget);
      item->setData(Qt::UserRole, row.code);
    }
  }
}

void Shop::showMoneyAndHints() {
  lblPlayerRl_->setText(q(model_.lblPlayerRl()));
  dspMsg_->setText(q(model_.dspMsg));
  dspGuide_->setText(q(model_.dspGuide));
  paneGuide_->setVisible(model_.paneGuideVisible);
}

}  // namespace velko::ui
