#include "shop/shop_model.h"

#include <algorithm>
#include <exception>

#include "core/music_player.h"
#include "core/numbers.h"
#include "core/shipped_names.h"
#include "core/shown_text.h"
#include "shop/shop_kinds.h"
#include "shop/shop_texts.h"
#include "shop/shop_trade.h"
#include "shop/starter_software.h"

namespace velko {

ShopModel::ShopModel(CareerState& state, CareerServices& services)
    : state_(state), services_(services) {}

void ShopModel::Form_Load() {
  if (state_.playMusic) startTrack(services_.music, "jzz33xg", services_.prompter);
  // The game has no recovery for a broken catalogue; the shop tells it and opens with the
  // tables it could read, so the player can still leave.
  try {
    readShopTables(services_.folder, tables_);
  } catch (const std::exception& fault) {
    services_.prompter.msgBox(fault.what());
  }
  dsp_Parts(0);
  dspInit();
  ComboShop = 0;
  if (state_.guideOn) {
    dspGuide = openingGuide();
    paneGuideVisible = true;
    openingGuideShown_ = true;
  } else {
    paneGuideVisible = false;
  }
  giveStarterSoftware();
}

void ShopModel::giveStarterSoftware() {
  Owner& player = state_.player();
  if (!player.getSoftA(0)->name.empty()) return;
  changed_ = true;
  // A catalogue without one of the three leaves that kind unowned rather than a hole.
  if (const auto& soft = tables_.soft.mobile[kStarterSoftM]) player.setSoftM(soft);
  if (const auto& soft = tables_.soft.attack[kStarterSoftA]) player.setSoftA(soft);
  if (const auto& soft = tables_.soft.defence[kStarterSoftD]) player.setSoftD(soft);
}

void ShopModel::dsp_Parts(int index) {
  ComboShop = index;
  stock = stockOfKind(tables_, index);
  showGuide(kindGuide(index));
}

void ShopModel::dspInit() {
  ListOwnParts = ownedPartLists(state_.player());
}

int16_t ShopModel::getRl(int row) const {
  const auto part =
      catalogueEntry(tables_, kindNumberOfIndex(ComboShop), static_cast<int16_t>(row + 1));
  return part ? part->Rl : 0;
}

std::optional<PartComparison> ShopModel::comparison(int row) const {
  if (row < 0 || row >= static_cast<int>(stock.List1.size()) || stock.List1[row].empty())
    return std::nullopt;
  const auto part = partAsBought(state_.player(), tables_, kindNumberOfIndex(ComboShop),
                                 static_cast<int16_t>(row + 1));
  if (!part) return std::nullopt;
  return comparePart(state_.playerDoll(), state_.player(), *part);
}

void ShopModel::List1_Select(int row) {
  if (row < 0 || row >= static_cast<int>(stock.List1.size())) return;
  if (!state_.guideOn) return;
  const std::string description = frameDescription(stock.List1[row]);
  if (!description.empty()) showGuide(description);
}

void ShopModel::List1_Click(int row) {
  if (row < 0 || row >= static_cast<int>(stock.List1.size())) return;
  const std::string name = stock.List1[row];
  // A row the catalogue left blank has nothing to sell.
  if (name.empty()) return;
  List1_Select(row);
  const int16_t price = getRl(row);
  if (price > state_.player().Rl) {
    services_.prompter.msgBox(shown("お金が足りません"));
    return;
  }
  if (services_.prompter.askOKCaption(shown("購入しますか？"), shownPartName(name)) == kAnswerOK)
    buy_rtn(row);
}

void ShopModel::buy_rtn(int row) {
  if (row < 0 || row >= static_cast<int>(stock.List1.size())) return;
  const int kind = kindNumberOfIndex(ComboShop);
  const auto id = static_cast<int16_t>(row + 1);
  if (!catalogueEntry(tables_, kind, id)) return;
  const int16_t price = getRl(row);
  Owner& player = state_.player();
  const std::optional<std::string> name = storePurchase(player, tables_, kind, id);
  if (!name) {
    services_.prompter.msgBox(shown("これ以上買えません"));
    return;
  }
  player.Rl = static_cast<int16_t>(player.Rl - price);
  changed_ = true;
  ListOwnParts[kListNew].push_back({*name, rowCode(kind, id)});
}

bool ShopModel::codeOfRow(int list, int row, int& kindNumber, int16_t& id) const {
  const int code = ListOwnParts[list][row].code;
  kindNumber = kindOfCode(code);
  id = idOfCode(code);
  return isShopKind(kindNumber);
}

void ShopModel::ListOwnParts_Click(int list, int row) {
  if (list != kListUsed && list != kListNew) return;
  if (row < 0 || row >= static_cast<int>(ListOwnParts[list].size())) return;
  int kind = 0;
  int16_t id = 0;
  const bool known = codeOfRow(list, row, kind, id);
  // A part the catalogue no longer holds has no price to pay back.
  const auto part = known ? catalogueEntry(tables_, kind, id) : std::nullopt;
  if (!part) {
    services_.prompter.msgBox(shown("パーツが見つかりません"));
    return;
  }
  const int16_t value = list == kListNew ? part->Rl : toInt16(part->Rl / 2.0);
  const std::string text = fill(shown("%1（%2Rl）\n返品しますか？"),
                                {shownPartName(ListOwnParts[list][row].name), Str(value)});
  if (services_.prompter.askOKSafe(text) == kAnswerOK) sel_rtn(row, list);
}

void ShopModel::sel_rtn(int row, int list) {
  if (list != kListUsed && list != kListNew) return;
  if (row < 0 || row >= static_cast<int>(ListOwnParts[list].size())) return;
  int kind = 0;
  int16_t id = 0;
  if (!codeOfRow(list, row, kind, id)) return;
  const auto part = catalogueEntry(tables_, kind, id);
  if (!part) return;
  Owner& player = state_.player();
  const bool isNew = list == kListNew;
  player.Rl = moneyAfterSale(player.Rl, part->Rl, isNew);
  changed_ = true;
  dollLosesKind(state_.playerDoll(), kind);
  removeOwned(player, kind, id, isNew);
  // The inventory drops the first owned part of that ID and state, which need not be the row
  // clicked (protectors X and X1 share an ID); the lists are read again so they show what is
  // really left.
  dspInit();
}

bool ShopModel::applyTrades(const TradeList& trades) {
  for (const PartTrade& sale : trades.sales) {
    const int list = sale.isNew ? kListNew : kListUsed;
    const std::vector<OwnedRow>& rows = ListOwnParts[list];
    const auto found = std::find_if(rows.begin(), rows.end(), [&](const OwnedRow& r) {
      return r.code == rowCode(sale.kindNumber, sale.id);
    });
    if (found == rows.end()) return false;
    const int16_t before = state_.player().Rl;
    sel_rtn(static_cast<int>(found - rows.begin()), list);
    if (state_.player().Rl == before && sale.Rl > 0) return false;
  }
  const int selected = ComboShop;
  for (const PartTrade& purchase : trades.purchases) {
    if (!isShopKind(purchase.kindNumber)) return false;
    dsp_Parts(purchase.kindNumber - 1);
    const int row = purchase.id - 1;
    if (getRl(row) > state_.player().Rl) return false;
    const size_t before = ListOwnParts[kListNew].size();
    buy_rtn(row);
    if (ListOwnParts[kListNew].size() == before) return false;
  }
  dsp_Parts(selected);
  return true;
}

void ShopModel::lblAbl_MouseMove(int index) {
  if (index < 0 || index >= static_cast<int>(stock.lblAbl.size())) return;
  dspMsg = headingHint(stock.lblAbl[index]);
}

void ShopModel::dspGuide_Click() {
  if (openingGuideShown_) {
    showGuide(kindGuide(ComboShop));
    return;
  }
  paneGuideVisible = false;
}

void ShopModel::showGuide(const std::string& text) {
  openingGuideShown_ = false;
  if (!state_.guideOn) {
    paneGuideVisible = false;
    return;
  }
  dspGuide = text;
  paneGuideVisible = true;
}

std::string ShopModel::lblPlayerRl() const {
  return Str(state_.player().Rl);
}

}  // namespace velko
