#include "coach/part_pruning.h"

#include <vector>

#include "shop/shop_kinds.h"
#include "shop/shop_stock.h"

namespace velko {

namespace {

// What a part is judged on: each value higher is better; `cost` lower is better.
struct Judged {
  int16_t id = 0;
  double cost = 0;
  std::vector<double> values;
};

// b is at least as good as a everywhere and costs no more; among equals the lower ID stands.
bool dominates(const Judged& b, const Judged& a) {
  if (b.cost > a.cost) return false;
  bool better = b.cost < a.cost;
  for (size_t k = 0; k < a.values.size(); ++k) {
    if (b.values[k] < a.values[k]) return false;
    better = better || b.values[k] > a.values[k];
  }
  return better || b.id < a.id;
}

std::vector<int16_t> undominated(const std::vector<Judged>& parts, int dominatorsNeeded) {
  std::vector<int16_t> kept;
  for (const Judged& a : parts) {
    int dominators = 0;
    for (const Judged& b : parts)
      dominators += &a != &b && dominates(b, a);
    if (dominators < dominatorsNeeded) kept.push_back(a.id);
  }
  return kept;
}

double costOfPart(int kind, int16_t id, int16_t Rl, const PartCount& owned) {
  const auto found = owned.find({kind, id});
  const bool have = found != owned.end() && found->second > 0;
  return have ? Rl / 2.0 : Rl;
}

// Every part of a table on sale, judged by `values`.
template <typename T, size_t N, typename Values>
std::vector<Judged> judge(const CatalogueTable<T, N>& table, int last, int kind,
                          const PartCount& owned, Values values) {
  std::vector<Judged> parts;
  for (int id = 1; id <= last; ++id) {
    const T* part = entry(table, id);
    if (!part || part->name.empty()) continue;
    const auto pid = static_cast<int16_t>(id);
    parts.push_back({pid, costOfPart(kind, pid, part->Rl, owned), values(*part)});
  }
  return parts;
}

}  // namespace

PartChoices undominatedParts(const ShopTables& t, const PartCount& owned) {
  PartChoices choices;
  choices[kKindMotor] =
      undominated(judge(t.motors, kStockLastId, kKindMotor, owned,
                        [](const Motor& m) {
                          return std::vector<double>{1.0 * m.pow, 1.0 * m.HP, -1.0 * m.weight};
                        }),
                  1);
  choices[kKindFrame] =
      undominated(judge(t.frames, kFrameStockLastId, kKindFrame, owned,
                        [](const DollFrame& f) {
                          return std::vector<double>{1.0 * f.offence, 1.0 * f.defence, 1.0 * f.move,
                                                     1.0 * f.jump,    1.0 * f.spin,    1.0 * f.HP,
                                                     -1.0 * f.weight};
                        }),
                  1);
  choices[kKindHard] = undominated(judge(t.hards, kStockLastId, kKindHard, owned,
                                         [](const Hard& h) {
                                           return std::vector<double>{1.0 * h.CPU, 1.0 * h.Memory};
                                         }),
                                   1);
  choices[kKindBooster] =
      undominated(judge(t.boosters, kStockLastId, kKindBooster, owned,
                        [](const Booster& b) {
                          return std::vector<double>{1.0 * b.move, 1.0 * b.jump, 1.0 * b.spin,
                                                     1.0 * b.HP, -1.0 * b.weight};
                        }),
                  kBoostersWorn);
  // The same protector may be worn again, so one that beats it is enough.
  choices[kKindProtector] = undominated(judge(t.protectors, kStockLastId, kKindProtector, owned,
                                              [](const Protector& p) {
                                                return std::vector<double>{p.AC, -p.weight};
                                              }),
                                        1);
  return choices;
}

}  // namespace velko
