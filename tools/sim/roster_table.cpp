#include "sim/roster_table.h"

namespace velko::sim {

RosterTable playRoster(std::vector<RosterDoll> dolls, int fights, Random& rnd) {
  RosterTable table;
  table.dolls = std::move(dolls);
  const size_t n = table.dolls.size();
  table.bouts.assign(n, std::vector<BoutTally>(n));
  for (size_t i = 0; i < n; ++i) {
    for (size_t j = i + 1; j < n; ++j) {
      const BoutTally tally = playBout(table.dolls[i].doll, table.dolls[j].doll, fights, rnd);
      table.bouts[i][j] = tally;
      table.bouts[j][i] = tally.swapped();
    }
  }
  return table;
}

BoutTally againstAll(const RosterTable& table, size_t i) {
  BoutTally sum;
  for (const BoutTally& tally : table.bouts[i])
    sum += tally;
  return sum;
}

BoutTally againstClass(const RosterTable& table, size_t i, DollClass c) {
  BoutTally sum;
  for (size_t j = 0; j < table.dolls.size(); ++j) {
    if (table.dolls[j].dollClass == c) sum += table.bouts[i][j];
  }
  return sum;
}

BoutTally classAgainstClass(const RosterTable& table, DollClass a, DollClass b) {
  BoutTally sum;
  for (size_t i = 0; i < table.dolls.size(); ++i) {
    if (table.dolls[i].dollClass == a) sum += againstClass(table, i, b);
  }
  return sum;
}

BoutTally allFights(const RosterTable& table) {
  BoutTally sum;
  for (size_t i = 0; i < table.dolls.size(); ++i) {
    for (size_t j = i + 1; j < table.dolls.size(); ++j)
      sum += table.bouts[i][j];
  }
  return sum;
}

}  // namespace velko::sim
