#pragma once
// The Doll's three programs as the editor sees them: the eleven palette actions, found by
// action ID (palette chip k is ID k + 1) or by the name a dragged chip carries.

#include <string>

#include "model/doll.h"
#include "model/software.h"

namespace velko {

inline constexpr int kPaletteChips = 11;

class ProgramSoftware {
 public:
  // Slot 0 of each kind: a Doll carries one software of each kind.
  explicit ProgramSoftware(const doll& d);

  // Writes the ID and name of each of the eleven records, so that palette, grid and battle
  // agree on them whatever the catalogue reader left there.
  void nameActions() const;
  // The record of action ID 1-11; nullptr for any other ID.
  ActionRef action(int id) const;
  // cmbSoft 0, 1, 2: the mobility, attack and defence software's names.
  std::string softName(int kind) const;

 private:
  SoftMobileRef softM_;
  SoftAttackRef softA_;
  SoftDeffenceRef softD_;
};

}  // namespace velko
