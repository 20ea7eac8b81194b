#include "lab/tournament_advice.h"

#include "core/shipped_names.h"
#include "core/shown_text.h"

#include <algorithm>
#include <cmath>

namespace velko {

double TournamentAdvice::meanRate() const {
  if (chances.empty()) return 0;
  double sum = 0;
  for (const Chance& c : chances)
    sum += c.rate();
  return sum / static_cast<double>(chances.size());
}

TournamentAdvice adviseTournament(const doll& player,
                                  const std::vector<PracticeOpponent>& opponents, uint64_t seed,
                                  int fightsEach, const std::atomic<bool>* cancel) {
  const PracticeOptions options{
      .fights = fightsEach * static_cast<int>(opponents.size()), .seed = seed, .record = false};
  const PracticeResult result = runPractice(player, opponents, options, cancel);
  TournamentAdvice advice;
  advice.cancelled = result.cancelled;
  for (const OpponentTally& o : result.opponents)
    advice.chances.push_back({o.id, o.name, o.fights, o.wins});
  std::stable_sort(advice.chances.begin(), advice.chances.end(),
                   [](const Chance& a, const Chance& b) { return a.rate() < b.rate(); });
  return advice;
}

int roughPercentValue(double rate) {
  return static_cast<int>(std::lround(std::clamp(rate, 0.0, 1.0) * 20)) * 5;
}

std::string roughPercent(double rate) {
  return fill(shown("およそ%1%"), {std::to_string(roughPercentValue(rate))});
}

std::string adviceText(const TournamentAdvice& advice) {
  if (advice.chances.empty()) return "";
  const Chance& hardest = advice.chances.front();
  return fill(shown("勝率は%1（相手%2体の平均）\nいちばん手強いのは%3（%4）"),
              {roughPercent(advice.meanRate()), std::to_string(advice.chances.size()),
               shownDollName(hardest.id, hardest.name), roughPercent(hardest.rate())});
}

}  // namespace velko
