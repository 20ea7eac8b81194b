#pragma once
// What a tournament fight or a work day brings the player: experience, levels and piloting
// skill, prize money, extra income, and the repair of the motor and frame. Money and
// experience stay at 32767 rather than overflowing.

#include <cstdint>

#include "core/prompter.h"
#include "core/random.h"
#include "model/doll.h"
#include "model/owner.h"

namespace velko {

// Adds to a 16-bit player value, keeping it at 32767 at most.
void addCapped(int16_t& field, int amount);

// Experience, at most one level (with 1 to 4 points of skill), and for a won fight (outcome 1)
// the prize: the opponent's worth above the player's Doll, 0 to 9999, plus 100.
void levelUp(Owner& player, int16_t outcome, int16_t playerValue, int16_t opponentValue,
             Random& rnd, Prompter& prompter);

// Extra income of 250 to 550 Rl, announced.
int16_t Shunyu(Owner& player, Random& rnd, Prompter& prompter);

// What repairing a motor or frame costs: 100 plus 10 for every 7 points lost, rounded half
// to even from single precision. A part at full hit points costs exactly 100 and is not
// repaired.
int16_t repairCost(int16_t maxHP, int16_t HP);

// Repair after a tournament fight. The fighter's hit points are copied into the player's Doll
// first; a destroyed motor or frame leaves the inventory and the Doll; short money repairs
// part of the way and takes everything.
void ShuriAfterFight(Owner& player, doll& playerDoll, const doll& fighter0, Prompter& prompter);

// Repair on a work day: never destroys, and a partial repair leaves the player 100 Rl.
void ShuriWorkDay(Owner& player, doll& playerDoll, Prompter& prompter);

}  // namespace velko
