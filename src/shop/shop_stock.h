#pragma once
// The stock table of one kind (dsp_AllMotors and its siblings): the headings lblAbl 0-8, and
// per part on sale its name (List1), price (lblRl) and values (dspAbl 0-6), one line each.
// Row n is catalogue ID n + 1: IDs 1-19 of every kind, frames 1-4 only, whatever the
// player's level, class or money. An ID the catalogue lacks keeps its row, left blank.

#include <array>
#include <string>
#include <vector>

#include "shop/shop_tables.h"

namespace velko {

struct StockTable {
  std::array<std::string, 9> lblAbl;
  std::vector<std::string> List1;
  std::vector<std::string> lblRl;
  std::array<std::vector<std::string>, 7> dspAbl;

  // The number of headings in use ("名称", "Rl" and the value columns).
  int headingCount() const;
};

inline constexpr int kStockLastId = 19;
inline constexpr int kFrameStockLastId = 4;

StockTable dsp_AllMotors(const ShopTables& tables);
StockTable dsp_AllFrames(const ShopTables& tables);
StockTable dsp_AllBoosts(const ShopTables& tables);
StockTable dsp_AllProtector(const ShopTables& tables);
StockTable dsp_AllHard(const ShopTables& tables);

// The table of a selector index (motors for any index the selector does not list).
StockTable stockOfKind(const ShopTables& tables, int index);

}  // namespace velko
