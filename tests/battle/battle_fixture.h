#pragma once
// Shared pieces of the battle tests: Dolls and patterns built from numbers, a view and
// after-fight hooks that record what they were told, and a controller that answers from a script.

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "battle/battle.h"
#include "career/fight_settlement.h"
#include "core/prompter.h"
#include "core/random.h"
#include "support/scripted_dialog.h"

namespace velko::testing {

struct DollSpec {
  std::string name = "ヴェルコ";
  int16_t pow = 5;
  int16_t offence = 5;
  int16_t defence = 5;
  int16_t move = 9;
  int16_t jump = 7;
  int16_t spin = 4;
  double AC = 0;
  int16_t AP = 1;
  double weight = 2;
  int16_t motorHP = 30;
  int16_t frameHP = 30;
};

inline DollRef makeDoll(const DollSpec& spec) {
  auto d = std::make_shared<doll>();
  d->name = spec.name;
  d->pow = spec.pow;
  d->offence = spec.offence;
  d->defence = spec.defence;
  d->move = spec.move;
  d->jump = spec.jump;
  d->spin = spec.spin;
  d->AC = spec.AC;
  d->AP = spec.AP;
  d->weight = spec.weight;
  d->Motor->name = "モーター";
  d->Motor->HP = d->Motor->maxHP = spec.motorHP;
  d->frame->name = "フレーム";
  d->frame->HP = d->frame->maxHP = spec.frameHP;
  return d;
}

// A pattern as the battle's own loader builds it: IDs and names, the AP given.
inline LogicRef makePattern(const std::string& name, int16_t AP, std::initializer_list<int> ids) {
  auto logic = std::make_shared<Logic>();
  logic->name = name;
  logic->AP = AP;
  int slot = 0;
  for (int id : ids) {
    auto action = newAction();
    action->ID = static_cast<int16_t>(id);
    action->name = actionName(id);
    logic->setAction(action, slot++);
  }
  return logic;
}

class RecordingView : public FightView {
 public:
  void dspMsg(const std::string& text) override { messages.push_back(text); }
  // The label's text, and a mark * where the view is told the fighter acts first.
  void dspInitiative(int i, bool first, const std::string& text) override {
    initiative[i] = text + (first ? "*" : "");
  }
  void dspAP(int i, const std::string& text) override { ap[i] = text; }
  void dspDolls(const BattleState&) override {}
  void dspFightImage(const BattleState&, int i, ActionId action) override {
    pictures.push_back(std::to_string(i) + actionName(action));
  }
  void dspDollImage(const BattleState& state) override { effects.push_back(state.effectCount); }
  void dspLabels(const BattleState&, const FightLabels& shown) override { labels = shown; }
  void playSound(const std::string& name) override { sounds.push_back(name); }
  void closeFight() override { ++closed; }

  std::vector<std::string> messages;
  std::string initiative[2];
  std::string ap[2];
  std::vector<std::string> pictures;
  std::vector<int> effects;
  FightLabels labels;
  std::vector<std::string> sounds;
  int closed = 0;
};

// The career's order of steps, each recorded by name.
class RecordingAfterFight : public AfterFight, public FightSettlement {
 public:
  void settle(const FightOutcome& outcome) override { settleFight(outcome, *this); }
  void setWin(int16_t winnerID) override { calls.push_back("setWin" + std::to_string(winnerID)); }
  void levelUp(int16_t outcome) override { calls.push_back("levelUp" + std::to_string(outcome)); }
  void winFight() override { calls.push_back("winFight"); }
  void countLoss() override { calls.push_back("countLoss"); }
  void loseFight() override { calls.push_back("loseFight"); }
  void Shunyu() override { calls.push_back("Shunyu"); }
  void Shuri() override { calls.push_back("Shuri"); }
  void initParam() override { calls.push_back("initParam"); }

  std::vector<std::string> calls;
};

// Answers like the player's dialogs: pattern numbers plus 1 (0 cancels) and move directions.
class ScriptedController : public FightController {
 public:
  const Logic* choosePattern(const BattleState& state, int i) override {
    asked.push_back(i);
    const int n = patterns.empty() ? 0 : patterns.front();
    if (!patterns.empty()) patterns.pop_front();
    return chosenPattern(state.fighter(i), n);
  }
  int16_t chooseMove(const BattleState&, int, int, const Logic&) override {
    const int16_t direction = directions.empty() ? kCloseIn : directions.front();
    if (!directions.empty()) directions.pop_front();
    return direction;
  }

  std::deque<int> patterns;
  std::deque<int16_t> directions;
  std::vector<int> asked;
};

// Two Dolls in contact, every seam recorded; the dice come from `rnd`.
class BattleTest : public ::testing::Test {
 protected:
  BattleTest() : battle(rnd, view, hooks) {}

  // Sets the fight up as the screen does; no dice are rolled there.
  void start(const DollSpec& spec0, const DollSpec& spec1) {
    f0 = makeDoll(spec0);
    f1 = makeDoll(spec1);
    battle.initFight(f0, f1);
    view.messages.clear();
    view.pictures.clear();
  }
  void start() { start(DollSpec{}, DollSpec{.name = "ブラム"}); }

  // Queues dice faces, in the order the rules roll them.
  void faces(std::initializer_list<int> shown, int sides = 6) {
    for (int face : shown)
      rnd.pushFace(face, sides);
  }

  BattleState& s() { return battle.state(); }

  ScriptedRandom rnd;
  RecordingView view;
  RecordingAfterFight hooks;
  Battle battle;
  DollRef f0;
  DollRef f1;
};

}  // namespace velko::testing
