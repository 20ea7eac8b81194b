#include "workshop/assembly.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "career/tournament_draw.h"
#include "core/numbers.h"
#include "model/doll_stats.h"

namespace velko {

namespace {

std::string number(double v) {
  std::ostringstream out;
  out << v;
  return out.str();
}

std::string n(int v) {
  return std::to_string(v);
}

// Adds a name unless the list already holds it, as the view's lists always have.
void addOnce(std::vector<std::string>& list, const std::string& name) {
  if (std::find(list.begin(), list.end(), name) == list.end()) list.push_back(name);
}

template <typename GetPart>
std::vector<std::string> namesOf(int slots, GetPart get) {
  std::vector<std::string> names;
  for (int i = 0; i < slots; ++i) {
    const auto& part = get(i);
    if (!part->name.empty()) names.push_back(part->name);
  }
  return names;
}

int slotsOf(int kind) {
  if (kind == kBoosterKind) return Owner::kBoosterSlots;
  if (kind == kProtectorKind) return Owner::kProtectorSlots;
  return 4;
}

}  // namespace

const std::vector<std::string>& partKindNames() {
  static const std::vector<std::string> names = {"モーター", "フレーム", "ブースター", "プロテクタ",
                                                 "コンピュータ"};
  return names;
}

std::vector<std::string> dspParts(const Owner& owner, int kind) {
  std::vector<std::string> rows;
  switch (kind) {
    case kMotorKind:
      rows = namesOf(4, [&](int i) { return owner.getMotor(i); });
      break;
    case kFrameKind:
      rows = namesOf(4, [&](int i) { return owner.getFrame(i); });
      break;
    case kBoosterKind:
      rows = namesOf(Owner::kBoosterSlots, [&](int i) { return owner.getBooster(i); });
      break;
    case kProtectorKind:
      rows = namesOf(Owner::kProtectorSlots, [&](int i) { return owner.getProtector(i); });
      break;
    case kComputerKind:
      rows = namesOf(4, [&](int i) { return owner.getHard(i); });
      break;
    default:
      break;
  }
  rows.push_back(kRemoveRow);
  return rows;
}

PartDetail partDetail(const Owner& owner, int kind, int slot) {
  PartDetail d;
  if (slot < 0 || slot >= slotsOf(kind)) return d;
  switch (kind) {
    case kMotorKind: {
      const Motor& m = *owner.getMotor(slot);
      d = {m.name,
           n(m.Rl) + "Rl",
           {"パワー ", "HP \n重量 "},
           {n(m.pow), n(m.HP) + "\n" + n(m.weight)}};
      break;
    }
    case kFrameKind: {
      const DollFrame& f = *owner.getFrame(slot);
      d = {f.name,
           n(f.Rl) + "Rl",
           {"移動力 \nジャンプ力 \n回転力 ", "HP \n重量 "},
           {n(f.move) + "\n" + n(f.jump) + "\n" + n(f.spin), n(f.HP) + "\n" + n(f.weight)}};
      break;
    }
    case kBoosterKind: {
      const Booster& b = *owner.getBooster(slot);
      d = {b.name,
           n(b.Rl) + "Rl",
           {"移動 \nジャンプ \n回転 ", "重量 "},
           {n(b.move) + "\n" + n(b.jump) + "\n" + n(b.spin), n(b.weight)}};
      break;
    }
    case kProtectorKind: {
      const Protector& p = *owner.getProtector(slot);
      d = {p.name, n(p.Rl) + "Rl", {"アーマー ", "重量 "}, {number(p.AC), number(p.weight)}};
      break;
    }
    case kComputerKind: {
      const Hard& h = *owner.getHard(slot);
      d = {h.name, n(h.Rl) + "Rl", {"CPU", "メモリ"}, {n(h.CPU), n(h.Memory)}};
      break;
    }
    default:
      break;
  }
  return d;
}

void ListPart_Click(CareerState& state, int kind, int row, Prompter& prompter) {
  state.saved = false;
  doll& d = state.playerDoll();
  const Owner& owner = state.player();
  const int rows = static_cast<int>(dspParts(owner, kind).size());
  if (row < 0 || row >= rows) return;
  const bool remove = row == rows - 1;
  switch (kind) {
    case kMotorKind:
      d.Motor = remove ? std::make_shared<Motor>() : owner.getMotor(row);
      break;
    case kFrameKind:
      d.frame = remove ? std::make_shared<DollFrame>() : owner.getFrame(row);
      break;
    case kComputerKind:
      d.Hard = remove ? std::make_shared<Hard>() : owner.getHard(row);
      break;
    case kBoosterKind:
      if (remove) {
        d.removeAllBoost();
      } else {
        d.addBooster(owner.getBooster(row));
      }
      break;
    case kProtectorKind:
      if (remove) {
        d.removeAllProtect();
      } else {
        d.addProtector(owner.getProtector(row), prompter);
      }
      break;
    default:
      break;
  }
}

void cmdClear_Click(CareerState& state) {
  doll& d = state.playerDoll();
  d.Motor = std::make_shared<Motor>();
  d.frame = std::make_shared<DollFrame>();
  d.Hard = std::make_shared<Hard>();
  d.removeAllBoost();
  d.removeAllProtect();
}

std::string mobilityText(int16_t raw, double weight) {
  if (!(weight > 0)) return "--";
  return n(raw) + "/" + number(weight) + "=" + n(intFloor(raw / weight));
}

DollView dspDoll(CareerState& state) {
  doll& d = state.playerDoll();
  resetDollParam(d, state.player());
  DollView v;
  v.motor = d.Motor->name;
  v.frame = d.frame->name;
  v.computer = d.Hard->name;
  for (int i = 0; i < doll::kBoosterSlots; ++i)
    addOnce(v.boosters, d.getBoost(i)->name);
  for (int i = 0; i < doll::kProtectorSlots; ++i)
    addOnce(v.protectors, d.getProtector(i)->name);
  // Programs appear once per name; a missing program adds no row.
  const std::pair<std::string, int> softs[] = {
      {d.getSoftM(0)->name, 0}, {d.getSoftA(0)->name, 1}, {d.getSoftD(0)->name, 2}};
  for (const auto& [name, code] : softs) {
    if (name.empty()) continue;
    const bool held = std::any_of(v.softs.begin(), v.softs.end(),
                                  [&soft = name](const auto& row) { return row.first == soft; });
    if (!held) v.softs.emplace_back(name, code);
  }
  v.pow = n(d.pow);
  v.offence = n(d.offence);
  v.defence = n(d.defence);
  v.move = mobilityText(d.move, d.weight);
  v.jump = mobilityText(d.jump, d.weight);
  v.spin = mobilityText(d.spin, d.weight);
  v.AC = number(d.AC);
  v.AP = n(d.AP);
  v.memory = n(d.Memory);
  v.weight = number(d.weight);
  v.value = n(d.value);
  v.className = className(d.value);
  if (d.frame->image == "01") {
    v.picture = "img/VELKO01S.jpg";
  } else if (d.frame->image == "02") {
    v.picture = d.isBlack() ? "img/VELKO0202S.jpg" : "img/VELKO0201S.jpg";
  }
  return v;
}

bool cmdProgramEnabled(const DollView& view) {
  bool codes[3] = {false, false, false};
  for (const auto& row : view.softs)
    codes[row.second] = true;
  return codes[0] && codes[1] && codes[2] && !view.computer.empty();
}

bool fightCommandsEnabled(const DollView& view) {
  return !view.motor.empty() && !view.frame.empty() && !view.computer.empty();
}

}  // namespace velko
