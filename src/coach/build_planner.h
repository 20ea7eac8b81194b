#pragma once
// Which shop parts make the strongest Doll for a sum of money: motor, frame and computer, then
// boosters and armour, judged against a rival's profile (the opponents of the class the Doll
// will fight in). A Doll always gets the starter software, as every pilot does, and six
// sensible patterns.

#include <cstdint>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "coach/fighter_profile.h"
#include "core/prompter.h"
#include "data/files/game_folder.h"
#include "model/doll.h"
#include "shop/shop_tables.h"

namespace velko {

// Parts by shop kind number (1-5) and ID, counted.
using PartCount = std::map<std::pair<int, int16_t>, int>;

// The IDs worth trying, by shop kind number (1-5); a kind left out tries every part on sale.
using PartChoices = std::map<int, std::vector<int16_t>>;

struct BuildPlan {
  int16_t motor = 0;
  int16_t frame = 0;
  int16_t hard = 0;
  std::vector<int16_t> boosters;
  std::vector<int16_t> protectors;  // the same ID may be worn more than once
  int price = 0;                    // what it costs: owned parts at what selling them would bring
  int value = 0;                    // the Doll's value, the free software included
  double score = 0;                 // advantage over the rival

  bool complete() const { return motor != 0 && frame != 0 && hard != 0; }
};

class BuildPlanner {
 public:
  explicit BuildPlanner(const GameFolder& folder);

  // The strongest Doll whose parts cost at most `budget` and whose value is at most
  // `maxValue`; an incomplete plan when not even the cheapest Doll fits. `onlyFrame` other
  // than 0 keeps to that frame. Parts in `owned` (used ones) cost half their price: keeping one
  // forgoes what selling it would bring.
  BuildPlan best(int budget, int maxValue, int16_t skillPlay, const FighterProfile& rival,
                 int16_t onlyFrame = 0, const PartCount& owned = {},
                 const PartChoices& choices = {}) const;

  // Price, value and score of a set of parts.
  void evaluate(BuildPlan& plan, int16_t skillPlay, const FighterProfile& rival,
                const PartCount& owned = {}) const;

  // The Doll of a plan as the workshop assembles and programs it for this pilot.
  DollRef assemble(const BuildPlan& plan, int16_t skillPlay, Prompter& prompter) const;

  const ShopTables& tables() const { return tables_; }
  // The Doll value the starter software adds.
  int softwareValue() const { return softwareValue_; }

 private:
  const std::vector<PatternShape>& patternsFor(int ap, int memory, bool jumpPays) const;
  BuildPlan climb(BuildPlan plan, int budget, int maxValue, int16_t skill,
                  const FighterProfile& rival, const PartCount& owned,
                  const PartChoices& choices) const;
  std::vector<int16_t> idsOfKind(int kindNumber, const PartChoices& choices) const;

  ShopTables tables_;
  ActionCosts starterCosts_;
  int softwareValue_ = 0;
  mutable std::map<std::tuple<int, int, bool>, std::vector<PatternShape>> patterns_;
};

// How many of each part (kind, ID) the plan mounts.
PartCount partsOf(const BuildPlan& plan);

}  // namespace velko
