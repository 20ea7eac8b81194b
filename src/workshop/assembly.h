#pragma once
// The workshop's assembly view: what it lists and shows of the player's Doll and owned parts,
// mounting and removing parts, and which commands a Doll's state allows. The Qt workshop
// draws these texts; every redraw reads the Doll and the inventory afresh.

#include <string>
#include <utility>
#include <vector>

#include "career/career_state.h"
#include "core/shown_text.h"
#include "model/doll_picture.h"
#include "model/mount.h"

namespace velko {

// The kind selector's entries, in order (index 0-4, PartKind).
const std::vector<std::string>& partKindNames();

// The remove row that ends every owned-parts list.
inline constexpr const char* kRemoveRow = QT_TRID_NOOP("（はずす）");

// The detail panel of one part: name, price, two headings and their values.
struct PartDetail {
  std::string name;        // dspPart(0)
  std::string price;       // dspRl: the price followed by "Rl"
  std::string heading[2];  // lblPart 0-1
  std::string value[2];    // dspAbl 1-2
};

// The owned parts of a kind, in inventory slot order, then "（はずす）".
std::vector<std::string> dspParts(const Owner& owner, int kind);
// The panel for inventory slot `slot` of a kind (a blank part gives empty values).
PartDetail partDetail(const Owner& owner, int kind, int slot);

// A click on row `row` of the owned-parts list: the remove row takes the kind off the Doll
// (all boosters or all protectors at once); any other row mounts that part. Clears the saved
// flag; the workshop recomputes the Doll afterwards.
void ListPart_Click(CareerState& state, int kind, int row, Prompter& prompter);

// "AllClear": motor, frame and computer off, all boosters and protectors off; programs stay.
void cmdClear_Click(CareerState& state);

// The Doll view after the workshop's recomputation.
struct DollView {
  std::string motor, frame, computer;              // dspPart 1-3
  std::vector<std::string> boosters;               // ListBoost, each name once
  std::vector<std::string> protectors;             // ListP, each name once
  std::vector<std::pair<std::string, int>> softs;  // ListSoft: name and code 0/1/2
  std::string pow, offence, defence, move, jump, spin, AC, AP, memory, weight, value;
  std::string className;
  std::string picture;  // "img/VELKO01S.jpg" ..., or "" for none
};

// Recomputes the Doll (resetDollParam) and describes it.
DollView dspDoll(CareerState& state);

// The editor needs the computer and the three programs; the fights need motor, frame and
// computer.
bool cmdProgramEnabled(const DollView& view);
bool fightCommandsEnabled(const DollView& view);

// "raw/weight=quotient", or "--" when the weight is not above 0.
std::string mobilityText(int16_t raw, double weight);

}  // namespace velko
