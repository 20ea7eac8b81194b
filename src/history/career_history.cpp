#include "history/career_history.h"

#include <algorithm>

#include "battle/battle_state.h"

namespace velko {

int careerMonth(const GameDate& date) {
  // A slot may hold any date; one outside the career counts as its first or its last month.
  const int month = (date.year() - 2013) * 12 + (date.month() - 1);
  return std::clamp(month, 0, kHistoryLastMonth);
}

DollBuild buildOf(const doll& d) {
  DollBuild b;
  b.motor = d.Motor ? d.Motor->ID : 0;
  b.frame = d.frame ? d.frame->ID : 0;
  for (int i = 0; i < DollBuild::kBoosters; ++i) {
    const BoosterRef& part = d.getBoost(i);
    b.boosters[i] = part ? part->ID : 0;
  }
  for (int i = 0; i < DollBuild::kProtectors; ++i) {
    const ProtectorRef& part = d.getProtector(i);
    b.protectors[i] = part ? part->ID : 0;
  }
  b.hard = d.Hard ? d.Hard->ID : 0;
  b.name = d.name;
  return b;
}

CareerHistory startHistory(const GameDate& date) {
  CareerHistory h;
  HistoryMonth first;
  first.month = careerMonth(date);
  h.months.push_back(first);
  return h;
}

HistoryMonth& currentMonth(CareerHistory& history) {
  if (history.months.empty()) history.months.emplace_back();
  return history.months.back();
}

void countFight(CareerHistory& history, const HistoryFight& fight) {
  HistoryMonth& m = currentMonth(history);
  ++m.fights;
  // Street fights and duels are practice: the career's record counts only tournament bouts.
  const bool bout = fight.mode != kModeStreet && fight.mode != kModeDuel;
  if (bout && fight.end == HistoryEnd::Won) ++m.wins;
  if (bout && fight.end == HistoryEnd::Lost) ++m.losses;
  if (bout && fight.end == HistoryEnd::GivenUp) ++m.givenUp;
  if (m.fightList.size() < kHistoryMaxFights) m.fightList.push_back(fight);
}

void countTournament(CareerHistory& history) {
  ++currentMonth(history).tournaments;
}

void countTitle(CareerHistory& history) {
  ++currentMonth(history).titles;
}

void countPartsLost(CareerHistory& history, int parts) {
  currentMonth(history).partsLost += parts;
}

void nameLastReplay(CareerHistory& history, const std::string& replayFile) {
  HistoryMonth& m = currentMonth(history);
  if (m.fightList.empty()) return;
  m.fightList.back().replay = replayFile;
}

void takeMonth(CareerHistory& history, const Owner& player, const doll& d) {
  HistoryMonth& m = currentMonth(history);
  m.money = player.Rl;
  m.skill = player.skillPlay;
  m.dollValue = d.value;
  m.build = buildOf(d);
}

void closeMonth(CareerHistory& history, const Owner& player, const doll& d, const GameDate& date) {
  takeMonth(history, player, d);
  const int next = careerMonth(date);
  if (next <= currentMonth(history).month) return;
  HistoryMonth m;
  m.month = next;
  m.money = player.Rl;
  m.skill = player.skillPlay;
  m.dollValue = d.value;
  m.build = buildOf(d);
  history.months.push_back(m);
}

HistoryTotals totalsOf(const CareerHistory& history) {
  HistoryTotals t;
  for (const HistoryMonth& m : history.months) {
    t.fights += m.fights;
    t.wins += m.wins;
    t.losses += m.losses;
    t.givenUp += m.givenUp;
    t.tournaments += m.tournaments;
    t.titles += m.titles;
    t.partsLost += m.partsLost;
  }
  return t;
}

std::vector<HistoryFight> bestFights(const CareerHistory& history, size_t count) {
  std::vector<HistoryFight> won;
  for (auto m = history.months.rbegin(); m != history.months.rend(); ++m) {
    // A street fight is a test run against any registered Doll: not among a career's best.
    for (auto f = m->fightList.rbegin(); f != m->fightList.rend(); ++f)
      if (f->end == HistoryEnd::Won && f->mode != kModeStreet) won.push_back(*f);
  }
  // Newest first already: a stable sort keeps the later fight ahead on a tie.
  std::stable_sort(won.begin(), won.end(), [](const HistoryFight& a, const HistoryFight& b) {
    return a.opponentValue > b.opponentValue;
  });
  if (won.size() > count) won.resize(count);
  return won;
}

std::vector<std::string> careerReplays(const CareerHistory& history) {
  std::vector<std::string> files;
  for (const HistoryMonth& m : history.months) {
    for (const HistoryFight& f : m.fightList)
      if (!f.replay.empty()) files.push_back(f.replay);
  }
  return files;
}

}  // namespace velko
