#include "career/bracket.h"

#include <cmath>

#include "core/numbers.h"
#include "core/shown_text.h"
#include "model/shown_doll_name.h"

namespace velko {

Bracket::Bracket() {
  for (auto& e : entrants_)
    e = std::make_shared<doll>();
}

void Bracket::setKumiawase(int index, DollRef entrant) {
  entrants_.at(index) = entrant ? std::move(entrant) : std::make_shared<doll>();
}

std::string Bracket::lblName(int index) const {
  return shownDollName(*entrant(index));
}

int16_t Bracket::getShusoku(int n) {
  double sum = 0;
  for (int i = 1; i <= n; ++i)
    sum += 8.0 / std::pow(2.0, i - 1);
  return toInt16(sum);
}

void Bracket::setWin(int16_t winnerID, int16_t boutIndex, int16_t roundNo, Prompter& prompter) {
  (void)boutIndex;  // the path follows the winner's seat, not the bout
  if (roundNo < 1 || roundNo > 3) return;
  for (int i = 0; i < getShusoku(roundNo); ++i)
    line1_[i] = true;
  for (int j = 0; j < kEntrants; ++j) {
    if (entrants_[j]->ID != winnerID) continue;
    prompter.notify(fill(shown("%1 Win"), {lblName(j)}));
    // Rounded half to even, as the view has always placed the path lines.
    const int k = toInt16(getShusoku(roundNo - 1) + j / std::pow(2.0, roundNo - 1));
    if (k < kPathLines) lineV_[k] = true;
  }
}

void Bracket::resetWin() {
  line1_.fill(false);
}

}  // namespace velko
