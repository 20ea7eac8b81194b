#pragma once
// The battle screen's readers of the opponent registry.
//
// One rule says which registry Dolls exist, and the count of the fight set-up, the tournament's
// eligible list, the draw and the loader all follow it: every readable Doll record numbered 1 or
// more, read to the end of the file, each number once, the first 100 numbers met. (Registration
// stops at Doll 100, so only a file edited by hand holds more.) A record that is cut short or
// holds a value that is not a number is passed over as if it were not there; a later record with
// the same number is read over an earlier one; a Doll's patterns are all its readable pattern
// records, in the order of the file. A missing or undecodable registry file throws
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
inline constexpr size_t kEnemyIdSlots = 101;
using EnemyIdList = std::array<int16_t, kEnemyIdSlots>;

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

// The most Dolls the registry can hold: the lists of opponent numbers have room for 100.
inline constexpr size_t kMostRegistryDolls = 100;

// The numbers of the registry's Dolls worth at most maxValue, in the order of the file.
std::vector<int16_t> eligibleEnemies(const GameFolder& folder, int16_t maxValue);

// The numbers of the Dolls worth at most m, from index 0; the other entries 0.
EnemyIdList ldTekiIDs(const GameFolder& folder, int16_t m);

// The number of Dolls worth at most maxValue; tekiIDs receives their numbers from index 1
// (index 0 and the entries after the last stay 0).
int16_t countTekiDoll(const GameFolder& folder, int16_t maxValue, EnemyIdList& tekiIDs);

}  // namespace velko
