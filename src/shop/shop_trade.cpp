#include "shop/shop_trade.h"

#include <memory>

#include "core/numbers.h"
#include "shop/shop_kinds.h"

namespace velko {

namespace {

template <typename Part>
std::optional<CatalogueEntry> entryOf(const Part* part) {
  if (!part || part->name.empty()) return std::nullopt;
  return CatalogueEntry{part->name, part->Rl};
}

template <typename Part>
std::shared_ptr<Part> newCopy(const Part& part) {
  auto copy = std::make_shared<Part>(part);
  copy->isNew = true;
  return copy;
}

bool protectorNameTaken(const Owner& owner, const std::string& name) {
  for (int slot = 0; slot < Owner::kProtectorSlots; ++slot) {
    if (owner.getProtector(slot)->name == name) return true;
  }
  return false;
}

}  // namespace

std::optional<CatalogueEntry> catalogueEntry(const ShopTables& tables, int kindNumber, int16_t id) {
  switch (kindNumber) {
    case kKindMotor:
      return entryOf(entry(tables.motors, id));
    case kKindFrame:
      return entryOf(entry(tables.frames, id));
    case kKindBooster:
      return entryOf(entry(tables.boosters, id));
    case kKindProtector:
      return entryOf(entry(tables.protectors, id));
    case kKindHard:
      return entryOf(entry(tables.hards, id));
    default:
      return std::nullopt;
  }
}

std::string boughtProtectorName(const Owner& owner, const Protector& bought) {
  int n = owner.countProtector(bought.ID);
  std::string name = n > 0 ? bought.name + std::to_string(n) : bought.name;
  while (protectorNameTaken(owner, name))
    name = bought.name + std::to_string(++n);
  return name;
}

std::optional<AnyPart> partAsBought(const Owner& owner, const ShopTables& tables, int kindNumber,
                                    int16_t id) {
  switch (kindNumber) {
    case kKindMotor: {
      const Motor* m = entry(tables.motors, id);
      if (!m) return std::nullopt;
      auto copy = newCopy(*m);
      copy->maxHP = copy->HP;
      return copy;
    }
    case kKindFrame: {
      const DollFrame* f = entry(tables.frames, id);
      if (!f) return std::nullopt;
      auto copy = newCopy(*f);
      copy->maxHP = copy->HP;
      return copy;
    }
    case kKindBooster: {
      const Booster* b = entry(tables.boosters, id);
      if (!b) return std::nullopt;
      return newCopy(*b);
    }
    case kKindProtector: {
      const Protector* p = entry(tables.protectors, id);
      if (!p) return std::nullopt;
      ProtectorRef copy = p->clone();
      copy->name = boughtProtectorName(owner, *copy);
      return copy;
    }
    case kKindHard: {
      const Hard* h = entry(tables.hards, id);
      if (!h) return std::nullopt;
      return newCopy(*h);
    }
    default:
      return std::nullopt;
  }
}

std::optional<std::string> storePurchase(Owner& owner, const ShopTables& tables, int kindNumber,
                                         int16_t id) {
  const std::optional<AnyPart> part = partAsBought(owner, tables, kindNumber, id);
  if (!part) return std::nullopt;
  bool stored = false;
  switch (kindOf(*part)) {
    case kMotorKind:
      stored = owner.setMotor(std::get<MotorRef>(*part));
      break;
    case kFrameKind:
      stored = owner.setFrame(std::get<FrameRef>(*part));
      break;
    case kBoosterKind:
      stored = owner.setBooster(std::get<BoosterRef>(*part));
      break;
    case kProtectorKind:
      stored = owner.setProtector(std::get<ProtectorRef>(*part));
      break;
    case kComputerKind:
      stored = owner.setHard(std::get<HardRef>(*part));
      break;
  }
  if (!stored) return std::nullopt;
  return nameOf(*part);
}

void dollLosesKind(doll& d, int kindNumber) {
  const std::optional<PartKind> kind = partKindOfNumber(kindNumber);
  if (!kind) return;
  unmountKind(d, *kind);
  if (*kind == kComputerKind) d.programed = false;
}

void removeOwned(Owner& owner, int kindNumber, int16_t id, bool isNew) {
  switch (kindNumber) {
    case kKindMotor:
      owner.removeMotor(id, isNew);
      break;
    case kKindFrame:
      owner.removeFrame(id, isNew);
      break;
    case kKindBooster:
      owner.removeBoost(id, isNew);
      break;
    case kKindProtector:
      owner.removeProtect(id, isNew);
      break;
    case kKindHard:
      owner.removeHard(id, isNew);
      break;
    default:
      break;
  }
}

int16_t moneyAfterSale(int16_t money, int16_t price, bool isNew) {
  const double refund = isNew ? price : price / 2.0;
  return saturate16(money + refund);
}

int16_t moneyAfterTrades(int16_t money, const TradeList& trades) {
  for (const PartTrade& sale : trades.sales)
    money = moneyAfterSale(money, sale.Rl, sale.isNew);
  for (const PartTrade& purchase : trades.purchases)
    money = static_cast<int16_t>(money - purchase.Rl);
  return money;
}

}  // namespace velko
