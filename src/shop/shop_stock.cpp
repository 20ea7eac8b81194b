#include "shop/shop_stock.h"

#include <initializer_list>

#include "core/numbers.h"
#include "core/shown_text.h"
#include "shop/shop_kinds.h"

namespace velko {

namespace {

StockTable withHeadings(std::initializer_list<std::string> headings) {
  StockTable table;
  size_t i = 0;
  for (const std::string& heading : headings)
    table.lblAbl[i++] = heading;
  return table;
}

// One line of every column; a missing or blank record leaves its line empty.
void addRow(StockTable& table, const std::string& name, int16_t price,
            std::initializer_list<std::string> values) {
  const bool blank = name.empty();
  table.List1.push_back(name);
  table.lblRl.push_back(blank ? "" : Str(price));
  for (size_t column = 0; column < table.dspAbl.size(); ++column) {
    const bool filled = !blank && column < values.size();
    table.dspAbl[column].push_back(filled ? *(values.begin() + column) : "");
  }
}

void addBlankRow(StockTable& table) {
  addRow(table, "", 0, {});
}

}  // namespace

int StockTable::headingCount() const {
  int count = 0;
  while (count < static_cast<int>(lblAbl.size()) && !lblAbl[count].empty())
    ++count;
  return count;
}

StockTable dsp_AllMotors(const ShopTables& tables) {
  StockTable table = withHeadings({shown("名称"), "Rl", shown("パワー"), "HP", shown("重量")});
  for (int id = 1; id <= kStockLastId; ++id) {
    const Motor* m = entry(tables.motors, id);
    if (!m) {
      addBlankRow(table);
      continue;
    }
    addRow(table, m->name, m->Rl, {Str(m->pow), Str(m->HP), Str(m->weight)});
  }
  return table;
}

StockTable dsp_AllFrames(const ShopTables& tables) {
  StockTable table = withHeadings(
      {shown("名称"), "Rl", shown("移動"), shown("ジャンプ"), shown("回転"), "HP", shown("重量")});
  for (int id = 1; id <= kFrameStockLastId; ++id) {
    const DollFrame* f = entry(tables.frames, id);
    if (!f) {
      addBlankRow(table);
      continue;
    }
    addRow(table, f->name, f->Rl,
           {Str(f->move), Str(f->jump), Str(f->spin), Str(f->HP), Str(f->weight)});
  }
  return table;
}

StockTable dsp_AllBoosts(const ShopTables& tables) {
  StockTable table = withHeadings(
      {shown("名称"), "Rl", shown("移動"), shown("ジャンプ"), shown("回転"), shown("重量")});
  for (int id = 1; id <= kStockLastId; ++id) {
    const Booster* b = entry(tables.boosters, id);
    if (!b) {
      addBlankRow(table);
      continue;
    }
    addRow(table, b->name, b->Rl, {Str(b->move), Str(b->jump), Str(b->spin), Str(b->weight)});
  }
  return table;
}

StockTable dsp_AllProtector(const ShopTables& tables) {
  StockTable table = withHeadings({shown("名称"), "Rl", "AC", shown("重量")});
  for (int id = 1; id <= kStockLastId; ++id) {
    const Protector* p = entry(tables.protectors, id);
    if (!p) {
      addBlankRow(table);
      continue;
    }
    addRow(table, p->name, p->Rl, {StrReal(p->AC), StrReal(p->weight)});
  }
  return table;
}

StockTable dsp_AllHard(const ShopTables& tables) {
  StockTable table = withHeadings({shown("名称"), "Rl", "CPU", shown("メモリ")});
  for (int id = 1; id <= kStockLastId; ++id) {
    const Hard* h = entry(tables.hards, id);
    if (!h) {
      addBlankRow(table);
      continue;
    }
    addRow(table, h->name, h->Rl, {Str(h->CPU), Str(h->Memory)});
  }
  return table;
}

StockTable stockOfKind(const ShopTables& tables, int index) {
  switch (kindNumberOfIndex(index)) {
    case kKindFrame:
      return dsp_AllFrames(tables);
    case kKindBooster:
      return dsp_AllBoosts(tables);
    case kKindProtector:
      return dsp_AllProtector(tables);
    case kKindHard:
      return dsp_AllHard(tables);
    default:
      return dsp_AllMotors(tables);
  }
}

}  // namespace velko
