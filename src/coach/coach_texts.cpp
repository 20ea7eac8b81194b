#include "coach/coach_texts.h"

#include <cmath>

#include "core/shipped_names.h"
#include "core/shown_text.h"
#include "model/doll_class.h"

namespace velko {

namespace {

std::string percentText(double rate) {
  return std::to_string(static_cast<int>(std::lround(rate * 100)));
}

int paid(const TradeList& trades) {
  int sum = 0;
  for (const PartTrade& t : trades.purchases)
    sum += t.Rl;
  return sum;
}

std::string tradeItems(const std::vector<PartTrade>& trades, bool sale) {
  if (trades.empty()) return shown("なし");
  std::string text;
  for (const PartTrade& t : trades) {
    if (!text.empty()) text += shown("、");
    const int money = sale && !t.isNew ? t.Rl / 2 : t.Rl;
    text += fill(shown("%1（%2Rl）"), {shownPartName(t.name), std::to_string(money)});
  }
  return text;
}

}  // namespace

std::string coachRuleLine(AutoGiveUp giveUp) {
  std::string line =
      shown("勝率は、あなたのDollをコンピュータと同じ考え方で操縦した練習試合の結果です");
  if (giveUp == AutoGiveUp::Off) return line;
  line += "\n";
  line += fill(shown("自動ギブアップ（%1%）が降参する試合は負けと数えます"),
               {std::string(autoGiveUpWord(giveUp))});
  return line;
}

std::string winChanceText(const WinMeasure& m) {
  if (m.fights == 0) return shown("勝率 --");
  const Proportion p = m.chance();
  return fill(shown("勝率 %1%（95%の範囲 %2% ～ %3%）"),
              {percentText(p.rate), percentText(p.low), percentText(p.high)});
}

std::string proposalHeading(int k, const BuildProposal& p) {
  return fill(shown("案%1　%2"), {std::to_string(k + 1), winChanceText(p.measure)});
}

std::string proposalMoneyLine(const BuildProposal& p) {
  int brought = 0;
  for (const PartTrade& t : p.trades.sales)
    brought += t.isNew ? t.Rl : t.Rl / 2;
  return fill(shown("価値 %1Rl（%2）　支払い %3Rl　受け取り %4Rl　残金 %5Rl"),
              {std::to_string(p.value), className(p.value), std::to_string(paid(p.trades)),
               std::to_string(brought), std::to_string(p.moneyAfter)});
}

std::string purchasesLine(const TradeList& trades) {
  return fill(shown("買う: %1"), {tradeItems(trades.purchases, false)});
}

std::string salesLine(const TradeList& trades) {
  return fill(shown("売る: %1"), {tradeItems(trades.sales, true)});
}

std::string buyQuestion(const BuildProposal& p) {
  return shown("この構成にしますか？") + "\n" + salesLine(p.trades) + "\n" +
         purchasesLine(p.trades) + "\n" + proposalMoneyLine(p);
}

std::string patternLine(const PatternPlan& p, const std::vector<std::string>& actionNames) {
  std::string actions;
  for (int16_t id : p.actions) {
    if (!actions.empty()) actions += " ";
    const auto k = static_cast<size_t>(id);
    actions += k < actionNames.size() ? actionNames[k] : std::to_string(id);
  }
  return fill(shown("%1: %2（AP %3）"), {p.name, actions, std::to_string(p.AP)});
}

}  // namespace velko
