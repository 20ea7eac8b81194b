#pragma once
// The shop's comparison: the player's Doll now and with the selected part mounted, number by
// number, better in green and worse in red, and a plain sentence when the Doll would move up a
// tournament class. The numbers come from the shop's rules; this panel only shows them.

#include <QFrame>
#include <optional>

#include "shop/shop_compare.h"

class QGridLayout;
class QLabel;

namespace velko::ui {

class ShopComparePanel : public QFrame {
  Q_OBJECT

 public:
  explicit ShopComparePanel(QWidget* parent = nullptr);

  // Nothing selected shows the prompt to choose a part.
  void showComparison(const std::string& partName, const std::optional<PartComparison>& c);

  QLabel* caption() const { return caption_; }
  QLabel* notice() const { return notice_; }
  // The "then" text of a row by its caption ("パワー", ...), for tests and screenshots.
  QLabel* thenLabel(const QString& caption) const;

 private:
  QLabel* caption_ = nullptr;
  QGridLayout* grid_ = nullptr;
  QLabel* notice_ = nullptr;
};

}  // namespace velko::ui
