#include "lab/practice_opponents.h"
#include "core/shown_text.h"

#include <charconv>
#include <stdexcept>

#include "model/doll_class.h"
#include "data/registry/registry_read.h"

namespace velko {

std::vector<PracticeOpponent> registryOpponents(const GameFolder& folder) {
  EnemyIdList ids{};
  const int16_t n = countTekiDoll(folder, 9999, ids);
  std::vector<PracticeOpponent> all;
  for (int k = 1; k <= n; ++k)
    all.push_back({ids[k], ldTekiDoll(folder, ids[k])});
  return all;
}

std::vector<PracticeOpponent> selectOpponents(const std::vector<PracticeOpponent>& all,
                                              const std::string& against) {
  std::vector<PracticeOpponent> chosen;
  if (against == "Novice" || against == "Expert" || against == "Master") {
    const int16_t limit = classLimit(against);
    for (const PracticeOpponent& o : all) {
      if (o.doll->value <= limit) chosen.push_back(o);
    }
    if (chosen.empty())
      throw std::invalid_argument(fill(shown("%1クラスの敵Dollがいません"), {against}));
    return chosen;
  }
  int id = 0;
  const auto [end, error] = std::from_chars(against.data(), against.data() + against.size(), id);
  if (error != std::errc() || end != against.data() + against.size())
    throw std::invalid_argument(
        fill(shown("相手は敵Dollの番号か Novice, Expert, Master です: %1"), {against}));
  for (const PracticeOpponent& o : all) {
    if (o.id == id) chosen.push_back(o);
  }
  if (chosen.empty())
    throw std::invalid_argument(fill(shown("番号%1の敵Dollは登録されていません"), {against}));
  return chosen;
}

}  // namespace velko
