#pragma once
// What a purchase and a sale do to the player's inventory and Doll, by kind number.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/doll.h"
#include "model/mount.h"
#include "model/owner.h"
#include "shop/shop_tables.h"

namespace velko {

// The catalogue record's name and price; nothing when the catalogue has no part of that ID.
struct CatalogueEntry {
  std::string name;
  int16_t Rl = 0;
};
std::optional<CatalogueEntry> catalogueEntry(const ShopTables& tables, int kindNumber, int16_t id);

// One purchase or sale, by shop kind number (1-5) and catalogue ID, at the catalogue price `Rl`;
// `isNew` says which owned list a sold part comes from (a used one sells at half).
struct PartTrade {
  int kindNumber = 0;
  int16_t id = 0;
  std::string name;
  bool isNew = true;
  int16_t Rl = 0;
};

// A list of trades the shop makes one after the other: the sales first, so that their money
// pays for the purchases.
struct TradeList {
  std::vector<PartTrade> sales;
  std::vector<PartTrade> purchases;
};

// The money left after the trades, worked out as the shop works it, one trade at a time.
int16_t moneyAfterTrades(int16_t money, const TradeList& trades);

// A bought protector is named after the owned protectors of its ID: none, X; one, X1; two, X2.
// Once one of them has been sold that number may already be worn by another, so it is raised
// until the name is free: two owned protectors of one name could not be worn together.
std::string boughtProtectorName(const Owner& owner, const Protector& bought);

// A new record of the catalogue part as a purchase makes it: motors and frames at full
// strength, a protector named after the owned ones. Nothing when the catalogue has no record.
std::optional<AnyPart> partAsBought(const Owner& owner, const ShopTables& tables, int kindNumber,
                                    int16_t id);

// Puts a new record of the catalogue part into the inventory and returns its name, or nothing
// when the kind is full. Each purchase is a record of its own, so two motors bought in one
// visit do not share their hit points; motors and frames come at full strength.
std::optional<std::string> storePurchase(Owner& owner, const ShopTables& tables, int kindNumber,
                                         int16_t id);

// A sale strips the Doll of whatever it carries of the kind, sold part or not, as the workshop's
// remove row does; selling the computer also clears the programmed state, since the programs
// have to be registered again for the next one. (The workshop's remove row keeps it: its
// programs stay with the Doll.)
void dollLosesKind(doll& d, int kindNumber);

// The money after selling a part of this catalogue price: a new part at full price, a used one
// at half. Money is 16-bit: a refund that would pass 32767 stops there instead of overflowing.
int16_t moneyAfterSale(int16_t money, int16_t price, bool isNew);

// Takes one owned part of that ID and new/used state out of the inventory.
void removeOwned(Owner& owner, int kindNumber, int16_t id, bool isNew);

}  // namespace velko
