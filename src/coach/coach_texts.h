#pragma once
// What the coach's screens say about a proposal: its heading with the win chance, the parts to
// buy and sell, the money left, and the one question asked before a build is bought.

#include <string>
#include <vector>

#include "coach/build_advice.h"
#include "coach/coach_run.h"
#include "coach/sensible_patterns.h"

namespace velko {

// What the percentages mean: one line on every coach screen, and, with the automatic give-up
// on, that a fight it would have ended counts as lost.
std::string coachRuleLine(AutoGiveUp giveUp = AutoGiveUp::Off);

// "勝率 62%（95%の範囲 55% ～ 68%）", or "勝率 --" when nothing was fought.
std::string winChanceText(const WinMeasure& m);

// "案1　勝率 …" for proposal k (0-based).
std::string proposalHeading(int k, const BuildProposal& p);
// "価値 1290Rl（Novice）　支払い 1170Rl　受け取り 0Rl　残金 130Rl"
std::string proposalMoneyLine(const BuildProposal& p);
// "買う: ポニー（120Rl）、…" and "売る: …" ("なし" for none).
std::string purchasesLine(const TradeList& trades);
std::string salesLine(const TradeList& trades);

// The one question before the trades: every part and the totals.
std::string buyQuestion(const BuildProposal& p);

// A pattern as the coach's program view lists it: "ダッシュ連撃: 移動 パンチ キック (AP 14)".
std::string patternLine(const PatternPlan& p, const std::vector<std::string>& actionNames);

}  // namespace velko
