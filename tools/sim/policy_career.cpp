#include "sim/policy_career.h"

#include "model/doll_class.h"
#include "shop/shop_kinds.h"
#include "sim/ladder.h"
#include "workshop/assembly.h"

namespace velko::sim {

SensibleCareer PolicyCareer::play() {
  start();
  for (int month = 1; month <= kCareerMonths && !over(); ++month) {
    month_ = month;
    refit();
    if (ready() && wantsToEnter()) {
      enterTournament();
    } else {
      game_.cmdWork_Click();
      ++record_.workDays;
    }
    record_.moneyAtMonthEnd[month - 1] = state_.player().Rl;
    record_.dollValueAtMonthEnd[month - 1] = state_.playerDoll().value;
  }
  const Owner& p = state_.player();
  record_.recWin = p.recWin;
  record_.recLoose = p.recLoose;
  record_.recChamp = p.recChamp;
  return record_;
}

void PolicyCareer::shopVisit() {
  ShopModel shop(state_, services_);
  shop.Form_Load();
  if (!pending_.complete()) return;
  sellWhatThePlanLacks(shop);
  buyWhatIsMissing(shop);
}

DollClass PolicyCareer::currentClass() const {
  return classOf(state_.Dolls[0]->value);
}

PartCount PolicyCareer::owned() const {
  const Owner& p = *state_.Owners[0];
  PartCount count;
  auto add = [&](int kind, const auto& part) {
    if (!part->name.empty()) ++count[{kind, part->ID}];
  };
  for (int i = 0; i < 4; ++i) {
    add(kKindMotor, p.getMotor(i));
    add(kKindFrame, p.getFrame(i));
    add(kKindHard, p.getHard(i));
  }
  for (int i = 0; i < Owner::kBoosterSlots; ++i) {
    add(kKindBooster, p.getBooster(i));
    add(kKindProtector, p.getProtector(i));
  }
  return count;
}

void PolicyCareer::changeTo(const BuildPlan& plan) {
  pending_ = plan;
  game_.cmdShop_Click();
  mountPlan();
  game_.init();
  game_.cmdProgram_Click();
  game_.init();
  pending_ = BuildPlan{};
}

void PolicyCareer::sellWhatThePlanLacks(ShopModel& shop) {
  PartCount keep = partsOf(pending_);
  for (int list : {kListNew, kListUsed}) {
    for (size_t row = 0; row < shop.ListOwnParts[list].size();) {
      const int code = shop.ListOwnParts[list][row].code;
      const std::pair<int, int16_t> key{kindOfCode(code), idOfCode(code)};
      if (keep[key] > 0) {
        --keep[key];
        ++row;
        continue;
      }
      const size_t before = shop.ListOwnParts[list].size();
      shop.ListOwnParts_Click(list, static_cast<int>(row));
      // A part the shop will not take back stays where it is.
      if (shop.ListOwnParts[list].size() == before) ++row;
    }
  }
}

void PolicyCareer::buyWhatIsMissing(ShopModel& shop) {
  PartCount need = partsOf(pending_);
  for (int list : {kListNew, kListUsed}) {
    for (const OwnedRow& row : shop.ListOwnParts[list]) {
      auto found = need.find({kindOfCode(row.code), idOfCode(row.code)});
      if (found != need.end() && found->second > 0) --found->second;
    }
  }
  for (const auto& [key, count] : need) {
    for (int k = 0; k < count; ++k) {
      shop.dsp_Parts(key.first - 1);
      shop.List1_Click(key.second - 1);
    }
  }
}

// Takes everything off, then mounts the planned parts from the inventory.
void PolicyCareer::mountPlan() {
  cmdClear_Click(state_);
  const Owner& p = state_.player();
  auto mountFirst = [&](int kind, int16_t id, auto get, int slots) {
    for (int i = 0; i < slots; ++i) {
      if (get(i)->ID == id && !get(i)->name.empty()) {
        ListPart_Click(state_, kind, i, prompter_);
        return;
      }
    }
  };
  mountFirst(
      kMotorKind, pending_.motor, [&](int i) { return p.getMotor(i); }, 4);
  mountFirst(
      kFrameKind, pending_.frame, [&](int i) { return p.getFrame(i); }, 4);
  mountFirst(
      kComputerKind, pending_.hard, [&](int i) { return p.getHard(i); }, 4);
  for (int i = 0; i < Owner::kBoosterSlots; ++i)
    if (!p.getBooster(i)->name.empty()) ListPart_Click(state_, kBoosterKind, i, prompter_);
  for (int i = 0; i < Owner::kProtectorSlots; ++i)
    if (!p.getProtector(i)->name.empty()) ListPart_Click(state_, kProtectorKind, i, prompter_);
}

bool PolicyCareer::ready() const {
  const doll& d = *state_.Dolls[0];
  if (d.Motor->name.empty() || d.frame->name.empty() || d.Hard->name.empty()) return false;
  return d.programed && d.Motor->HP == d.Motor->maxHP && d.frame->HP == d.frame->maxHP;
}

void PolicyCareer::enterTournament() {
  const int c = static_cast<int>(currentClass());
  const Owner& p = state_.player();
  const int champBefore = p.recChamp;
  const int winsBefore = p.recWin;
  const bool hadMotor = !state_.playerDoll().Motor->name.empty();
  const bool hadFrame = !state_.playerDoll().frame->name.empty();
  game_.cmdTornament_Click();
  ClassRecord& r = record_.classes[c];
  if (c == static_cast<int>(DollClass::Novice) && r.entered == 0)
    record_.firstNoviceBout = p.recWin > winsBefore ? 1 : -1;
  ++r.entered;
  r.fightsWon += p.recWin - winsBefore;
  const int lost = (hadMotor && state_.playerDoll().Motor->name.empty()) +
                   (hadFrame && state_.playerDoll().frame->name.empty());
  r.partsDestroyed += lost;
  r.entriesWithLoss += lost > 0;
  if (p.recChamp > champBefore) {
    ++r.championships;
    if (r.firstWinMonth == 0) r.firstWinMonth = month_;
  }
}

}  // namespace velko::sim
