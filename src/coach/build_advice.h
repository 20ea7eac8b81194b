#pragma once
// The coach's advice in the shop: the three best complete Dolls the player's money and owned
// parts make for a tournament class, each with what to sell and buy, the money left, and its
// chance of winning a bout against that class's opponents. The catalogue is thinned first
// (dominated parts out), the build planner proposes a few Dolls per frame and budget, and lab
// fights on copies rank them: a short run for every candidate, a longer one for the best.

#include <cstdint>
#include <string>
#include <vector>

#include "coach/build_planner.h"
#include "coach/coach_run.h"
#include "model/owner.h"
#include "shop/shop_trade.h"

namespace velko {

// Fights per opponent: for every candidate, then for the finalists.
inline constexpr int kScreenFightsEach = 20;
inline constexpr int kFinalFightsEach = 100;
inline constexpr int kBuildProposals = 3;

// One owned part the shop would take back, with its catalogue price.
struct OwnedPart {
  int kindNumber = 0;
  int16_t id = 0;
  std::string name;
  bool isNew = false;
  int16_t Rl = 0;
};

// The parts of the inventory the catalogue knows, in the shop's order.
std::vector<OwnedPart> ownedShopParts(const Owner& owner, const ShopTables& tables);

// What the coach is asked: a copy of what it needs, so the search may run on another thread.
struct BuildQuestion {
  int16_t money = 0;
  int16_t skillPlay = 0;
  std::vector<OwnedPart> owned;
  int classIndex = 0;  // in kDollClasses: the class whose value range the Doll must fall in
  std::vector<PracticeOpponent> opponents;  // the class's tournament opponents
};

BuildQuestion buildQuestion(const Owner& owner, const ShopTables& tables, int classIndex,
                            const std::vector<PracticeOpponent>& registry);

struct BuildProposal {
  BuildPlan plan;
  DollRef doll;  // assembled and programmed as the coach fought it
  TradeList trades;
  int16_t value = 0;       // the Doll's value, which decides its class
  int16_t moneyAfter = 0;  // the money left once every trade is made
  WinMeasure measure;
};

struct BuildAdvice {
  std::vector<BuildProposal> proposals;  // the best first, at most three
  int candidates = 0;                    // Dolls fought
  bool cancelled = false;
};

// The trades that turn the inventory into the plan's parts: owned parts the plan does not use
// are sold (a used one kept before a new one of the same model, since it sells for less), the
// rest is bought.
TradeList tradesFor(const BuildPlan& plan, const std::vector<OwnedPart>& owned,
                    const ShopTables& tables);

BuildAdvice adviseBuilds(const BuildPlanner& planner, const BuildQuestion& question,
                         const CoachControl& control = {});

}  // namespace velko
