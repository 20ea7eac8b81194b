#include "sim/career_sim.h"

#include <memory>
#include <sstream>

#include "model/action_factories.h"
#include "program/program_software.h"
#include "shop/shop_model.h"
#include "sim/career_driver.h"
#include "sim/sim_random.h"
#include "workshop/assembly.h"

namespace velko::sim {

namespace {

// What is kept of a game to compare a save with its load.
std::string snapshot(const CareerState& s) {
  std::ostringstream out;
  const Owner& p = *s.Owners[0];
  out << p.name << '|' << p.Rl << '|' << p.Lv << '|' << p.exp << '|' << p.skillPlay << '|'
      << p.recWin << '|' << p.recLoose << '|' << p.recChamp << '|' << s.gameDate.format() << '|'
      << s.playMusic << s.guideOn << '\n';
  for (int i = 0; i < 4; ++i) {
    out << p.getMotor(i)->ID << ',' << p.getFrame(i)->ID << ',' << p.getHard(i)->ID << ','
        << p.getSoftM(i)->ID << ',' << p.getSoftA(i)->ID << ',' << p.getSoftD(i)->ID << ';';
  }
  for (int i = 0; i < Owner::kBoosterSlots; ++i)
    out << p.getBooster(i)->ID << ',';
  for (int i = 0; i < Owner::kProtectorSlots; ++i)
    out << p.getProtector(i)->ID << ',';
  const doll& d = *s.Dolls[0];
  out << '\n'
      << d.name << '|' << d.Motor->ID << '/' << d.Motor->HP << '|' << d.frame->ID << '/'
      << d.frame->HP << '|' << d.Hard->ID << '|' << d.programed << '\n';
  for (int i = 0; i < 5; ++i)
    out << d.getBoost(i)->ID << ',';
  for (int i = 0; i < doll::kProtectorSlots; ++i)
    out << d.getProtector(i)->ID << ',';
  for (int k = 0; k < 7; ++k) {
    const Logic& l = *d.getLogic(k);
    out << '\n' << l.name << ':';
    for (int a = 0; a < Logic::kSlots; ++a)
      out << l.getActions(a)->ID << ',';
  }
  return out.str();
}

class CareerRun : public CareerDriver {
 public:
  CareerRun(const GameFolder& folder, Random& rnd, CareerTally& tally, int run)
      : CareerDriver(folder, rnd), tally_(tally), run_(run) {}

  void play() {
    start();
    for (step_ = 0; step_ < 400 && !over(); ++step_) {
      oneStep();
      check();
      ++tally_.steps;
    }
    tally_.championships += state_.player().recChamp;
    ++tally_.runs;
  }

 protected:
  void shopVisit() override { shop(); }
  void programVisit() override { program(); }
  void afterPress(FightSession& session) override { checkHitPoints(session); }
  void fightStuck() override { fault("a fight did not end in 2000 steps"); }
  void fightEnded(FightSession&, int16_t mode) override {
    ++tally_.fights;
    if (mode == 1) ++tally_.tournaments;
  }

 private:
  void oneStep() {
    const int choice = pick(100);
    if (choice < 15) {
      state_.saved = false;
      shop();
      game_.init();
    } else if (choice < 30) {
      mountSomething();
    } else if (choice < 40) {
      program();
    } else if (choice < 55) {
      game_.cmdStreet_Click();
    } else if (choice < 75) {
      game_.cmdTornament_Click();
    } else if (choice < 88) {
      game_.cmdWork_Click();
      ++tally_.workDays;
    } else {
      saveAndLoad();
    }
  }

  void shop() {
    ShopModel shop(state_, services_);
    shop.Form_Load();
    for (int visit = pick(5); visit > 0; --visit) {
      const int kind = pick(5);
      shop.dsp_Parts(kind);
      if (pick(4) == 0) {
        const int list = pick(2);
        const int rows = static_cast<int>(shop.ListOwnParts[list].size());
        if (rows > 0) shop.ListOwnParts_Click(list, pick(rows));
        continue;
      }
      const int rows = static_cast<int>(shop.stock.List1.size());
      if (rows > 0) shop.List1_Click(pick(rows));
    }
  }

  void mountSomething() {
    for (int kind = 0; kind < 5; ++kind) {
      const int rows = static_cast<int>(dspParts(state_.player(), kind).size());
      // Mostly the first owned part; now and then another one, or the remove row.
      const int row = pick(3) == 0 ? pick(rows) : 0;
      velko::ListPart_Click(state_, kind, row, prompter_);
    }
    game_.init();
  }

  // Six patterns of the installed software's actions, as the editor registers them.
  void program() {
    doll& d = state_.playerDoll();
    if (d.getSoftA(0)->name.empty() || d.Hard->name.empty()) return;
    // As the editor does on opening; without names the patterns would read as empty.
    ProgramSoftware(d).nameActions();
    static const std::vector<std::vector<int>> shapes = {
        {kMove, kPunch}, {kMove, kKick}, {kKumi, kDrop},        {kSpin}, {kHazusi}, {kBlock, kUke},
        {kJump, kKick},  {kKumi, kHold}, {kMove, kPunch, kMove}};
    for (int k = 0; k < 6; ++k) {
      auto logic = std::make_shared<Logic>();
      logic->name = "技" + std::to_string(k + 1);
      const auto& shape = shapes[pick(static_cast<int>(shapes.size()))];
      for (int id : shape)
        logic->addAction(workshopAction(d, id), prompter_);
      d.setLogics(logic, k);
    }
    d.programed = true;
  }

  void saveAndLoad() {
    slot_ = static_cast<int16_t>(pick(3));
    game_.mnSave_Click();
    if (!state_.saved) {
      fault("a save failed");
      return;
    }
    ++tally_.saves;
    // Loading turns every part used; compare with the saved game after that.
    state_.player().useAllParts();
    const std::string before = snapshot(state_);
    game_.mnLoad_Click();
    const std::string after = snapshot(state_);
    if (before != after) fault("a loaded save differs from what was saved");
  }

  void checkHitPoints(FightSession& session) {
    for (const DollRef& d : session.battle().state().fighters) {
      if (!d) continue;
      if (d->Motor->HP < 0 || d->Motor->HP > d->Motor->maxHP)
        fault("motor hit points out of range");
      if (d->frame->HP < 0 || d->frame->HP > d->frame->maxHP)
        fault("frame hit points out of range");
    }
  }

  void check() {
    const Owner& p = state_.player();
    if (p.Rl < 0) fault("money below 0: " + std::to_string(p.Rl));
    if (p.exp < 0) fault("experience below 0");
    const doll& d = state_.playerDoll();
    if (!d.Motor || !d.frame || !d.Hard) fault("a Doll part slot holds no record");
    for (int i = 0; i < 4; ++i) {
      if (!p.getMotor(i) || !p.getFrame(i) || !p.getHard(i) || !p.getSoftA(i) || !p.getSoftD(i) ||
          !p.getSoftM(i)) {
        fault("an inventory slot holds no record");
      }
    }
    for (int i = 0; i < Owner::kBoosterSlots; ++i) {
      if (!p.getBooster(i) || !p.getProtector(i)) fault("an inventory slot holds no record");
    }
    for (int i = 0; i < doll::kBoosterSlots; ++i) {
      if (!d.getBoost(i)) fault("a booster slot holds no record");
    }
    if (d.Motor->HP > d.Motor->maxHP || d.frame->HP > d.frame->maxHP)
      fault("hit points above full");
  }

  void fault(const std::string& what) {
    tally_.violations.push_back("run " + std::to_string(run_) + ", step " + std::to_string(step_) +
                                ": " + what);
  }

  CareerTally& tally_;
  int run_;
  int step_ = 0;
};

}  // namespace

CareerTally playCareers(const GameFolder& game, int runs, uint64_t seed) {
  CareerTally tally;
  SeededRandom rnd(seed);
  for (int run = 0; run < runs; ++run) {
    CareerRun career(game, rnd, tally, run);
    career.play();
  }
  return tally;
}

}  // namespace velko::sim
