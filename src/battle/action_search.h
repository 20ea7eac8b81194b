#pragma once
// The computer's choice of a pattern. Written for fighter `me` against 1 - me, so the same
// search plays either side; the game lets it play fighter 1.
// Every search walks patterns 0 to 6 and keeps the first of equals (a strictly better value
// replaces the best), starting from the empty pattern, which is the answer when nothing fits.

#include <string>

#include "battle/battle_state.h"
#include "model/action.h"

namespace velko {

// The pattern that does nothing: AP 0, no name, no actions.
const Logic& emptyPattern();

// A pattern holding a throw or a joint lock.
bool isKumiwaza(const Logic& logic);

// Which search the situation calls for, first match: held, down, holding, at a distance, in
// contact and at least as mobile, in contact and less mobile.
enum class SearchRule { Hazusi, Spin, Attack, Move, Plain, Kumi };
SearchRule searchRule(const BattleState& s, int me);
// The rule in a few words, for the fight inspector.
std::string searchRuleText(SearchRule rule);

const Logic& searchLogic(const BattleState& s, int me);
const Logic& searchMove(const BattleState& s, int me);
const Logic& searchKumi(const BattleState& s, int me);
const Logic& searchHazusi(const BattleState& s, int me);
const Logic& searchAttack(const BattleState& s, int me);
const Logic& searchSpin(const BattleState& s, int me);
// The affordable pattern without throw or joint lock that has the highest AP.
const Logic& searchPlain(const BattleState& s, int me);

}  // namespace velko
