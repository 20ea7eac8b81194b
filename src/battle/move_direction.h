#pragma once
// Which way a move goes: the computer's rule, and the state line of the player's move dialog.

#include <cstdint>
#include <string>

#include "battle/battle_state.h"
#include "core/shown_text.h"
#include "model/action.h"

namespace velko {

// Direction of the move in slot `index` of `logic`: 0 close in, 1 back away.
int16_t getHitAway(const BattleState& s, int index, const Logic& logic);

// What the two answers do, for the move dialog.
inline constexpr const char* kMoveAnswers = QT_TRID_NOOP(
    "接近: 離れていれば間合いを詰め、距離0なら勢いをつけて次の打撃や組みのパワーを上げます。\n"
    "離脱: 間合いを離します。パワーは上がりませんが、相手の打撃が届かなくなります。");

// The power a move in contact adds to the next strike or hold (the momentum of 接近 at
// distance 0): Int(move / weight / 2), 0 for most Dolls.
int16_t momentumPower(const doll& d);

// The move dialog's hint for fighter i's move in slot `index` of `logic`: which move of the
// pattern it is, what follows it, and the answer the computer's own rule would give, for
// example "2つめの移動（次は なし）:
// 次に打たないので「離脱」で間合いを取るのがおすすめです（ヒット＆アウェイ）。". In contact it
// names the momentum this Doll would really gain.
std::string moveHint(const BattleState& s, int i, int index, const Logic& logic);

// Writes the move dialog's state line for fighter i; leaves it as it was when fighter i stands
// and nobody holds anybody.
void setDMove(const BattleState& s, int i, std::string& stateLabel);

}  // namespace velko
