#pragma once
// The shop's rules (form Shop) on the running game: buying parts from the catalogue, returning
// new parts at full price and selling used ones at half, the starter software of a first
// visit, and what the screen shows: the stock of one kind, the two owned-parts lists, the
// money, the hint line and the guide. The Qt view shows these fields and forwards its events.

#include <cstdint>
#include <optional>
#include <string>

#include "career/career_state.h"
#include "shop/owned_parts.h"
#include "shop/shop_compare.h"
#include "shop/shop_stock.h"
#include "shop/shop_tables.h"
#include "shop/shop_trade.h"

namespace velko {

class ShopModel {
 public:
  ShopModel(CareerState& state, CareerServices& services);

  // Opening: money, music, the catalogue, the motor stock, the owned parts, the guide, and the
  // starter software when no attack software is owned yet.
  void Form_Load();

  // ComboShop_Click / ComboShop_Change: the stock and guide of a selector index.
  void dsp_Parts(int index);
  void dspInit();

  // The catalogue price of stock row `row` of the selected kind.
  int16_t getRl(int row) const;
  // What the player's Doll would become with stock row `row` of the selected kind mounted;
  // nothing for a row the catalogue left blank.
  std::optional<PartComparison> comparison(int row) const;
  // A stock row selected: the frame's description in the guide, when the guide is on.
  void List1_Select(int row);
  // A click on a stock row: frame description, money check, confirmation, purchase.
  void List1_Click(int row);
  void buy_rtn(int row);

  // A click on row `row` of owned-parts list `list` (0 used, 1 new): confirmation, then sale.
  void ListOwnParts_Click(int list, int row);
  void sel_rtn(int row, int list);

  // A list of trades the player has agreed to as a whole: each sale and each purchase is then
  // the shop's ordinary one (sel_rtn, buy_rtn), without asking again. Stops at the first trade
  // the shop refuses (a part no longer owned, money short, a kind full) and returns false.
  bool applyTrades(const TradeList& trades);

  void lblAbl_MouseMove(int index);
  void Form_MouseMove() { dspMsg.clear(); }
  // A click on the opening text shows the selected kind's text; a click on any other text
  // closes the guide (it never goes back to a kind no longer selected).
  void dspGuide_Click();
  void showGuide(const std::string& text);

  // Something was bought, sold or given since the shop opened.
  bool changedAnything() const { return changed_; }

  // The player's money as lblPlayerRl shows it.
  std::string lblPlayerRl() const;

  // What the screen shows.
  int ComboShop = 0;  // the selector's ListIndex
  StockTable stock;
  OwnedLists ListOwnParts;
  std::string dspMsg;
  std::string dspGuide;
  bool paneGuideVisible = false;

 private:
  void giveStarterSoftware();
  bool codeOfRow(int list, int row, int& kindNumber, int16_t& id) const;

  CareerState& state_;
  CareerServices& services_;
  ShopTables tables_;
  bool openingGuideShown_ = false;
  bool changed_ = false;
};

}  // namespace velko
