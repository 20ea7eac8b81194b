#include "replay/fight_inspection.h"

#include "battle/action_search.h"
#include "core/numbers.h"
#include "core/shown_text.h"
#include "model/shown_doll_name.h"
#include "replay/fight_replay.h"

namespace velko {

namespace {

// The screen of the replay: keeps what a battle screen would show now.
class StepCollector : public FightView {
 public:
  void dspMsg(const std::string& text) override { step.narration = text; }
  void dspInitiative(int i, bool, const std::string& text) override {
    step.initiativeText[i] = text;
  }
  void dspAP(int i, const std::string& text) override { step.apText[i] = text; }
  void dspDolls(const BattleState&) override {}
  void dspFightImage(const BattleState& s, int i, ActionId action) override {
    step.techniqueFighter = i;
    step.techniqueAction = action;
    step.atTechnique = s;
  }
  void dspDollImage(const BattleState&) override {}
  void dspLabels(const BattleState& s, const FightLabels& labels) override {
    step.labels = labels;
    for (int k = 0; k < 2; ++k)
      step.hp[k] = {s.fighter(k).Motor->HP, s.fighter(k).frame->HP};
  }
  void playSound(const std::string&) override {}
  void closeFight() override {}

  InspectedStep step;
};

int face(double r, int sides) {
  return intFloor(r * sides) + 1;
}

std::string faces(const std::vector<double>& draws, size_t from, size_t to) {
  std::string text;
  for (size_t k = from; k < to; ++k)
    text += (k > from ? "," : "") + Str(face(draws[k], 6));
  return text;
}

// The two dice of an action-point roll at the end of the step's draws, when one was made.
std::string apLine(const std::vector<double>& d, int16_t playAP, int16_t rating, int who) {
  const int roll = face(d[d.size() - 2], 6) + face(d[d.size() - 1], 6);
  return fill(shown("行動ポイント（%1）: 2D6 =%2 ＋ 行動力%3 →%4"),
              {Str(who), Str(roll), Str(rating), Str(playAP)});
}

// Who won an initiative check of the step: 0 or 1, or -1 for none (a tie or no check).
int initiativeLeader(const BattleState& before, const std::vector<double>& d) {
  if (before.turnStep != kTurnStart || d.size() < 2) return -1;
  const int a = face(d[0], 6);
  const int b = face(d[1], 6);
  return a > b ? 0 : a < b ? 1 : -1;
}

void describeDice(InspectedStep& step, const BattleState& before, const std::vector<double>& d) {
  const BattleState& s = step.after;
  const bool apRolled =
      (before.turnStep != s.turnStep && s.turnStep != kTurnStart) && d.size() >= 2;
  size_t end = d.size() - (apRolled ? 2 : 0);
  if (before.turnStep == kTurnStart && d.size() >= 2) {
    const int a = face(d[0], 6);
    const int b = face(d[1], 6);
    const int leader = initiativeLeader(before, d);
    const std::string who =
        leader >= 0 ? fill(shown("%1が先手"), {step.labels.name[leader]}) : shown("互角");
    step.dice.push_back(fill(shown("イニシアチヴ: %1 対%2 → %3"), {Str(a), Str(b), who}));
    end = 2;
  } else if (end > 0) {
    // Hits, guards, damage, the part hit and break-falls, in the order the action rolled.
    step.dice.push_back(shown("技の判定（1D6の目で）:") + faces(d, 0, end));
  }
  if (apRolled) {
    const int who = s.turnStep == kFighter0Acts ? 0 : 1;
    step.dice.push_back(apLine(d, s.playAP, s.fighter(who).AP, who));
  }
}

std::string onOff(int16_t flag) {
  return flag != kOff ? shown("あり") : shown("なし");
}

// The differences a player looks for between two steps.
std::vector<std::string> changesBetween(const InspectedStep& from, const InspectedStep& to) {
  std::vector<std::string> changes;
  const char* parts[] = {"Motor", "Frame"};
  for (int k = 0; k < 2; ++k) {
    const std::string& name = to.labels.name[k];
    for (int p = 0; p < 2; ++p) {
      const int lost = from.hp[k][p] - to.hp[k][p];
      if (lost != 0)
        changes.push_back(fill(lost > 0 ? shown("%1の%2 −%3") : shown("%1の%2 ＋%3"),
                               {name, parts[p], std::to_string(lost > 0 ? lost : -lost)}));
    }
    const BattleState& a = from.after;
    const BattleState& b = to.after;
    if (a.kumiai[k] != b.kumiai[k])
      changes.push_back(fill(shown("%1の組み: %2"), {name, onOff(b.kumiai[k])}));
    if (a.tentou[k] != b.tentou[k])
      changes.push_back(fill(shown("%1の転倒: %2"), {name, onOff(b.tentou[k])}));
    if (a.bougyo[k] != b.bougyo[k])
      changes.push_back(fill(shown("%1の防御:%2"), {name, Str(b.bougyo[k])}));
    if (a.ukemi[k] != b.ukemi[k])
      changes.push_back(fill(shown("%1の受身: %2"), {name, onOff(b.ukemi[k])}));
  }
  if (from.after.span != to.after.span)
    changes.push_back(fill(shown("距離%1 →%2"), {Str(from.after.span), Str(to.after.span)}));
  return changes;
}

std::string choiceText(const RecordedChoice& c, const doll& d) {
  if (c.value == kChosePass) return shown("（パス）");
  if (c.value == kChoseEmpty) return shown("様子見");
  const LogicRef& p = d.getLogic(c.value);
  return fill(shown("パターン%1 %2"),
              {Str(c.value + 1), p ? shownPatternName(d, p->name) : std::string()});
}

}  // namespace

FightInspection inspectFight(const FightRecording& recording) {
  FightInspection inspection;
  StepCollector screen;
  try {
    FightReplay replay(recording, screen);
    const auto snapshot = [&](int index) {
      InspectedStep step = screen.step;
      step.index = index;
      step.after = replay.battle().state();
      step.after.fighters = recording.fighters;
      step.atTechnique.fighters = recording.fighters;
      return step;
    };
    inspection.steps.push_back(snapshot(0));
    while (!replay.done()) {
      const BattleState before = replay.battle().state();
      const size_t firstDraw = replay.drawsUsed();
      const size_t firstChoice = replay.choices().used();
      screen.step.techniqueFighter = -1;
      // A step the rules tell nothing of (an initiative won) has no text of the step before.
      screen.step.narration.clear();
      replay.step();
      InspectedStep step = snapshot(replay.steps());
      if (before.turnStep == kFighter0Acts || before.turnStep == kFighter1Acts) {
        step.actor = before.turnStep == kFighter0Acts ? 0 : 1;
        if (replay.choices().used() > firstChoice) {
          const RecordedChoice& c = recording.choices[firstChoice];
          step.choice = choiceText(c, *recording.fighters[step.actor]);
        }
        if (step.actor == 1 && recording.mode != kModeDuel)
          step.rule = searchRuleText(searchRule(before, 1));
      }
      const std::vector<double> draws(recording.draws.begin() + firstDraw,
                                      recording.draws.begin() + replay.drawsUsed());
      describeDice(step, before, draws);
      const int leader = initiativeLeader(before, draws);
      if (step.narration.empty() && leader >= 0)
        step.narration = initiativeNote(step.labels.name[leader]);
      step.changes = changesBetween(inspection.steps.back(), step);
      inspection.steps.push_back(std::move(step));
    }
  } catch (const std::exception& e) {
    inspection.error = e.what();
  }
  return inspection;
}

}  // namespace velko
