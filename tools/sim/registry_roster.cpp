#include "sim/registry_roster.h"

#include "data/registry/registry_read.h"
#include "sim/scratch_folder.h"

namespace velko::sim {

namespace {

std::vector<RosterDoll> loadFrom(const GameFolder& folder) {
  std::vector<RosterDoll> roster;
  const EnemyIdList ids = ldTekiIDs(folder, INT16_MAX);
  for (int16_t number : ids) {
    if (number == 0) break;
    RosterDoll entry;
    entry.number = number;
    entry.doll = ldTekiDoll(folder, number);
    entry.dollClass = classOf(entry.doll->value);
    roster.push_back(entry);
  }
  return roster;
}

}  // namespace

std::vector<RosterDoll> loadRoster(const GameFolder& folder, RegistrySource source) {
  if (source == RegistrySource::Save) return loadFrom(folder);
  const ScratchGameFolder factory(folder);
  return loadFrom(factory.folder());
}

}  // namespace velko::sim
