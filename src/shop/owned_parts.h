#pragma once
// The shop's two lists of owned parts (ListOwnParts): entry 0 the used parts, entry 1 the new
// ones, each row a part's name with its hidden code (kind number x 1000 + ID).

#include <array>
#include <string>
#include <vector>

#include "core/shown_text.h"
#include "model/owner.h"

namespace velko {

inline constexpr int kListUsed = 0;
inline constexpr int kListNew = 1;

inline constexpr std::array<const char*, 2> kOwnPartsCaptions = {QT_TRID_NOOP("所持パーツ（Used）"),
                                                                 QT_TRID_NOOP("所持パーツ（New）")};

struct OwnedRow {
  std::string name;
  int code = 0;
};

using OwnedLists = std::array<std::vector<OwnedRow>, 2>;

// dspInit: motors 0-3, frames 0-3, boosters 0-9, protectors 0-9, computers 0-3, in that
// order; every named part goes to the new or the used list by its isNew flag.
OwnedLists ownedPartLists(const Owner& owner);

}  // namespace velko
