#include "sim/practice_run.h"

#include <fstream>
#include <iomanip>
#include <stdexcept>

#include "lab/practice_lab.h"
#include "model/action.h"
#include "replay/replay_file.h"
#include "sim/registry_roster.h"
#include "sim/reports.h"
#include "sim/slot_player.h"
#include "sim/text_width.h"

namespace velko::sim {

namespace {

std::vector<PracticeOpponent> opponentsOf(const SimOptions& o) {
  const GameFolder folder(o.game);
  if (o.registry == RegistrySource::Save)
    return selectOpponents(registryOpponents(folder), o.against);
  std::vector<PracticeOpponent> all;
  for (const RosterDoll& d : loadRoster(folder, o.registry))
    all.push_back({d.number, d.doll});
  return selectOpponents(all, o.against);
}

std::string patternName(const doll& d, size_t index) {
  if (index >= 6) return "(様子見)";
  const LogicRef& p = d.getLogic(static_cast<int>(index));
  return p && !p->name.empty() ? p->name : "(空き)";
}

void printResult(std::ostream& out, const doll& player, const PracticeResult& r) {
  out << "win rate " << percent(r.winRate.rate, 0) << "% (95% " << percent(r.winRate.low, 0)
      << "% to " << percent(r.winRate.high, 0) << "%), wins " << r.wins << ", losses " << r.losses
      << ", draws " << r.draws << "\n";
  out << std::fixed << std::setprecision(1) << "fight length " << r.steps.mean() << " steps (sd "
      << r.steps.deviation() << ")\n\n";
  out << "pattern                chosen     dealt     taken\n";
  for (size_t k = 0; k < r.patterns.size(); ++k) {
    const PatternTally& t = r.patterns[k];
    out << ' ' << (k < 6 ? std::to_string(k + 1) : std::string(" ")) << ' '
        << fitColumns(patternName(player, k), 18) << std::setw(8) << t.chosen << std::setw(10)
        << t.dealt << std::setw(10) << t.taken << "\n";
  }
  out << "\nopponents, most losses first      fights  wins  losses\n";
  for (const OpponentTally& t : r.opponents) {
    out << std::setw(4) << t.id << ' ' << fitColumns(t.name, 28) << std::setw(8) << t.fights
        << std::setw(6) << t.wins << std::setw(8) << t.losses << "\n";
  }
  if (r.worstLoss)
    out << "\nworst lost fight: " << r.worstLoss->steps << " steps against "
        << r.worstLoss->fighters[1]->name << "\n";
}

}  // namespace

int runPracticeCommand(const SimOptions& o, std::ostream& out, std::ostream& err) {
  const DollRef player = loadSlotDoll(GameFolder(o.game), o.slot);
  if (!player) {
    err << "slot " << o.slot << " holds no Doll that can fight\n";
    return 1;
  }
  std::vector<PracticeOpponent> opponents;
  try {
    opponents = opponentsOf(o);
  } catch (const std::invalid_argument& e) {
    err << e.what() << "\n";
    return 1;
  }
  out << "practice: slot " << o.slot << " " << player->name << " (value " << player->value
      << ") against " << o.against << ": " << opponents.size() << " opponents, " << o.fights
      << " fights, seed " << o.seed << "\n";
  const PracticeResult result =
      runPractice(*player, opponents, {.fights = o.fights, .seed = o.seed});
  printResult(out, *player, result);
  if (o.replay.empty() || !result.worstLoss) return 0;
  std::ofstream file(o.replay, std::ios::binary);
  file << formatReplay(*result.worstLoss);
  if (!file.flush()) {
    err << "cannot write " << o.replay << "\n";
    return 1;
  }
  out << "written to " << o.replay << "\n";
  return 0;
}

}  // namespace velko::sim
