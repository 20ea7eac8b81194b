#pragma once
// The line said beside every chance the lab, the league's and the advice's fights give: in them
// the computer's rule pilots the player's Doll too, choosing each pattern from the Doll's
// program, so a chance is what the program would do on its own.

#include "core/shown_text.h"

namespace velko {

inline constexpr const char* kComputerPilotNote =
    QT_TRID_NOOP("勝率は、あなたのDollの技もコンピュータがプログラムから選んで戦った結果です。");

}  // namespace velko
