#pragma once
// The battle screen's readers of the opponent registry.
//
// Every reader stops after the first record numbered 99 or more, once it has taken that
// record: a Doll behind Doll 99 is never drawn or loaded, and the pattern reader stops after
// the first pattern of Doll 99. A record that is cut short or holds a value that is not a number
// is passed over as if it were not there. A missing or undecodable registry file throws
// DataFileError; so does a missing catalogue file when a motor or frame is looked up.

#include <array>
#include <cstdint>
#include <vector>

#include "data/files/game_folder.h"
#include "data/registry/registry_doll_record.h"
#include "data/registry/registry_logic_record.h"
#include "model/doll.h"

namespace velko {

// Indexes 0-100, as the battle screen keeps its lists of opponent numbers.
using EnemyIdList = std::array<int16_t, 101>;

// A new Doll holding registry Doll r: its stored statistics, its catalogue motor and frame,
// and its patterns (ldLogics). A number that is not found gives a Doll in its initial state
// with no patterns. A later record with the same number is read over an earlier one.
DollRef ldTekiDoll(const GameFolder& folder, int16_t r);

// A Doll from one registry Doll record and its pattern records, as ldTekiDoll builds it.
DollRef enemyDollOf(const GameFolder& folder, int16_t r, const EnemyDollRecord& record,
                    const std::vector<EnemyLogicRecord>& patterns);

// Registry Doll r's patterns into program slots 0.. of d: name, AP and memory as stored, and
// the first six actions (named, without costs).
void ldLogics(const GameFolder& folder, int16_t r, doll& d);

// The numbers of the Dolls worth at most m, from index 0; the other entries 0.
EnemyIdList ldTekiIDs(const GameFolder& folder, int16_t m);

// The number of Dolls worth at most maxValue; tekiIDs receives their numbers from index 1
// (index 0 and the entries after the last stay 0).
int16_t countTekiDoll(const GameFolder& folder, int16_t maxValue, EnemyIdList& tekiIDs);

}  // namespace velko
