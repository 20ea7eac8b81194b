#pragma once
// The shop screen (form Shop): the stock of one kind, the player's new and used parts, the
// money, a hint line and the beginner's guide. The rules live in ShopModel; this view shows
// its fields and forwards the player's clicks and mouse moves.

#include <QDialog>

#include "career/career_state.h"
#include "coach/build_advice.h"
#include "shop/shop_model.h"

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace velko::ui {

class ShopComparePanel;

class Shop : public QDialog {
  Q_OBJECT

 public:
  Shop(CareerState& state, CareerServices& services, QWidget* parent = nullptr);

  const ShopModel& model() const { return model_; }

  QComboBox* ComboShop() const { return ComboShop_; }
  QTableWidget* List1() const { return List1_; }
  QListWidget* ListOwnParts(int index) const { return ListOwnParts_[index]; }
  QLabel* lblPlayerRl() const { return lblPlayerRl_; }
  QLabel* dspMsg() const { return dspMsg_; }
  QFrame* paneGuide() const { return paneGuide_; }
  QLabel* dspGuide() const { return dspGuide_; }
  QPushButton* Command1() const { return Command1_; }
  QPushButton* cmdCoach() const { return cmdCoach_; }

  // 「おすすめ構成」: the coach's panel for the class the player will enter next.
  void cmdCoach_Click();
  // One question naming every part and the totals; on OK each trade is the shop's ordinary
  // one. True when every trade was made.
  bool buyProposal(const BuildProposal& proposal);
  ShopComparePanel* comparePanel() const { return compare_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void buildControls();
  QWidget* buildStockPane();
  QWidget* buildOwnedPane();
  QWidget* buildGuidePane();

  bool returnPressed(QObject* watched, QEvent* event);
  void ComboShop_Click(int index);
  void List1_Click(int row);
  void ListOwnParts_Click(int list, int row);

  void showComparison(int row);
  // Moves a question that would cover the comparison panel over the stock table.
  void keepClearOfComparison(QWidget* question);
  void showStock();
  void showOwnedParts();
  void showMoneyAndHints();

  CareerState& state_;
  CareerServices& services_;
  ShopModel model_;
  QComboBox* ComboShop_ = nullptr;
  QTableWidget* List1_ = nullptr;
  QListWidget* ListOwnParts_[2] = {nullptr, nullptr};
  QLabel* lblPlayerRl_ = nullptr;
  QLabel* dspMsg_ = nullptr;
  QFrame* paneGuide_ = nullptr;
  QLabel* dspGuide_ = nullptr;
  QPushButton* Command1_ = nullptr;
  QPushButton* cmdCoach_ = nullptr;
  ShopComparePanel* compare_ = nullptr;
  bool asking_ = false;  // the purchase question is up
};

}  // namespace velko::ui
