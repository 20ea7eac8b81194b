#pragma once
// What every summed-up career policy shares: the month loop (refit, then a tournament when the
// Doll is whole and programmed, else a work day), the record of each tournament entered, and
// the shop and workshop steps that turn the inventory into a planned set of parts.

#include "coach/build_planner.h"
#include "shop/shop_model.h"
#include "sim/career_driver.h"
#include "sim/sensible_career.h"

namespace velko::sim {

class PolicyCareer : public CareerDriver {
 public:
  PolicyCareer(const GameFolder& folder, Random& rnd) : CareerDriver(folder, rnd) {}

  SensibleCareer play();

 protected:
  // The start of each month: whatever the pilot buys, mounts and programs.
  virtual void refit() = 0;

  void shopVisit() override;

  DollClass currentClass() const;
  // The pilot's owned parts, counted.
  PartCount owned() const;
  // Buys and mounts `plan` (selling what it lacks), then registers the program.
  void changeTo(const BuildPlan& plan);
  bool ready() const;
  // Asked when the Doll is ready: false works the month instead of entering.
  virtual bool wantsToEnter() { return true; }

  SensibleCareer record_;
  int month_ = 0;

 private:
  void enterTournament();
  void sellWhatThePlanLacks(ShopModel& shop);
  void buyWhatIsMissing(ShopModel& shop);
  void mountPlan();

  BuildPlan pending_;
};

}  // namespace velko::sim
