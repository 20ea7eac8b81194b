#pragma once
// The tournament bracket as its view shows it: eight entrants, fourteen bracket lines and the
// lines of the winners' paths, white until decided and red after.

#include <array>
#include <cstdint>
#include <string>

#include "core/prompter.h"
#include "model/doll.h"

namespace velko {

class Bracket {
 public:
  static constexpr int kEntrants = 8;
  static constexpr int kLines = 14;
  static constexpr int kPathLines = 12;

  Bracket();

  void setKumiawase(int index, DollRef entrant);
  const DollRef& entrant(int index) const { return entrants_.at(index); }
  // Entrant j's name as the bracket shows it (a factory opponent's in the player's language).
  std::string lblName(int index) const;

  // The index of the first line of round n + 1: 0, 8, 12, 14 for n = 0..3.
  static int16_t getShusoku(int n);

  // Colours the lines of the rounds so far red and announces the winner ("%1 Win", the name
  // as the bracket shows it); the winner's path line of this round turns red.
  void setWin(int16_t winnerID, int16_t boutIndex, int16_t roundNo, Prompter& prompter);
  // All bracket lines white (the path lines keep their colour).
  void resetWin();

  bool line1Red(int index) const { return line1_.at(index); }
  bool lineVRed(int index) const { return lineV_.at(index); }

 private:
  std::array<DollRef, kEntrants> entrants_;
  std::array<bool, kLines> line1_{};
  std::array<bool, kPathLines> lineV_{};
};

}  // namespace velko
