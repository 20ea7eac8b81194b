#include "workshop/assembly.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "core/shown_text.h"
#include "model/doll_stats.h"

namespace velko {

namespace {

// Every number in the workshop's labels is written as Str writes it, after one blank.
std::string number(double v) {
  return StrReal(v);
}

std::string n(int v) {
  return Str(v);
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
           {shown("パワー "), shown("HP \n重量 ")},
           {n(m.pow), n(m.HP) + "\n" + n(m.weight)}};
      break;
    }
    case kFrameKind: {
      const DollFrame& f = *owner.getFrame(slot);
      d = {f.name,
           n(f.Rl) + "Rl",
           {shown("移動力 \nジャンプ力 \n回転力 "), shown("HP \n重量 ")},
           {n(f.move) + "\n" + n(f.jump) + "\n" + n(f.spin), n(f.HP) + "\n" + n(f.weight)}};
      break;
    }
    case kBoosterKind: {
      const Booster& b = *owner.getBooster(slot);
      d = {b.name,
           n(b.Rl) + "Rl",
           {shown("移動 \nジャンプ \n回転 "), shown("重量 ")},
           {n(b.move) + "\n" + n(b.jump) + "\n" + n(b.spin), n(b.weight)}};
      break;
    }
    case kProtectorKind: {
      const Protector& p = *owner.getProtector(slot);
      d = {p.name,
           n(p.Rl) + "Rl",
           {shown("アーマー "), shown("重量 ")},
           {number(p.AC), number(p.weight)}};
      break;
    }
    case kComputerKind: {
      const Hard& h = *owner.getHard(slot);
      d = {h.name, n(h.Rl) + "Rl", {"CPU", shown("メモリ")}, {n(h.CPU), n(h.Memory)}};
      break;
    }
    default:
      break;
  }
  return d;
}

void ListPart_Click(CareerState& state, int kind, int row, Prompter& prompter) {
  state.saved = false;
  const Owner& owner = state.player();
  const int rows = static_cast<int>(dspParts(owner, kind).size());
  if (row < 0 || row >= rows || kind < kMotorKind || kind > kComputerKind) return;
  const auto partKind = static_cast<PartKind>(kind);
  if (row == rows - 1) {
    unmountKind(state.playerDoll(), partKind);
    return;
  }
  if (const auto part = ownedPart(owner, partKind, row))
    mountPart(state.playerDoll(), *part, prompter);
}

void cmdClear_Click(CareerState& state) {
  doll& d = state.playerDoll();
  for (PartKind kind : {kMotorKind, kFrameKind, kComputerKind, kBoosterKind, kProtectorKind})
    unmountKind(d, kind);
}

std::string mobilityText(int16_t raw, double weight) {
  const std::optional<int> quotient = mobilityQuotient(raw, weight);
  if (!quotient) return "--";
  return n(raw) + "/" + number(weight) + "=" + n(*quotient);
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
  const DollStats s = describe(d, state.player());
  v.pow = n(s.pow);
  v.offence = n(s.offence);
  v.defence = n(s.defence);
  v.move = mobilityText(s.move, s.weight);
  v.jump = mobilityText(s.jump, s.weight);
  v.spin = mobilityText(s.spin, s.weight);
  v.AC = number(s.AC);
  v.AP = n(s.AP);
  v.memory = n(s.memory);
  v.weight = number(s.weight);
  v.value = n(s.value);
  v.className = s.className;
  v.picture = dollPicture(d);
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
