#include "data/catalogue/catalogue_fields.h"
#include "core/shown_text.h"

#include <array>

#include "core/numbers.h"

namespace velko {

namespace {

// Costs as the file lists them: all AP values, then all Memory values.
template <size_t N>
std::array<Action, N> readCosts(ValueStream& in) {
  std::array<Action, N> costs{};
  for (Action& a : costs)
    a.AP = in.nextInt();
  for (Action& a : costs)
    a.Memory = in.nextInt();
  return costs;
}

// A shop table's software gets fresh actions that carry only the costs.
ActionRef costOnly(const Action& cost) {
  auto action = newAction();
  action->AP = cost.AP;
  action->Memory = cost.Memory;
  return action;
}

// One software record: name, price, then the costs of its actions in the file's order. A
// lookup keeps the software's own named actions and gives them the costs; a shop table gives
// it fresh actions that carry only the costs.
template <typename Software, size_t N>
void readSoftware(ValueStream& in, Software& s, Use use, int16_t id,
                  const std::array<ActionRef*, N>& actions) {
  const std::string name = in.nextText();
  const int16_t price = in.nextInt();
  const auto costs = readCosts<N>(in);
  s.init(id, name, price);
  for (size_t k = 0; k < N; ++k) {
    if (use == Use::Lookup) {
      (*actions[k])->AP = costs[k].AP;
      (*actions[k])->Memory = costs[k].Memory;
    } else {
      *actions[k] = costOnly(costs[k]);
    }
  }
}

}  // namespace

TextFile openCatalogue(const GameFolder& folder, const char* gamePath) {
  std::string display = gamePath;
  for (char& c : display) {
    if (c == '\\') c = '/';
  }
  if (!display.empty() && display[0] == '/') display.erase(0, 1);
  return readTextFile(folder.path(gamePath), display);
}

DataFileError noShelfError(const std::string& file, size_t line, int id, size_t tableSize) {
  return DataFileError(DataFileError::Kind::Malformed, file, line,
                       fill(shown("ID%1 を入れる棚がありません（IDは 0～%2）"),
                            {Str(id), std::to_string(tableSize - 1)}));
}

bool isHeader(const std::string& line) {
  return !line.empty() && line[0] == '.';
}

// The ID is the number in the three characters after the full stop.
int headerId(const std::string& line) {
  return toInt16(leadingNumber(line.substr(1, 3)));
}

void readMotor(ValueStream& in, Motor& m, Use use) {
  m.name = in.nextText();
  m.Rl = in.nextInt();
  m.pow = in.nextInt();
  m.HP = in.nextInt();
  if (use == Use::Lookup) m.maxHP = m.HP;
  m.weight = in.nextInt();
}

void readFrameValues(ValueStream& in, DollFrame& f, Use use) {
  f.name = in.nextText();
  f.Rl = in.nextInt();
  f.offence = in.nextInt();
  f.defence = in.nextInt();
  f.move = in.nextInt();
  f.jump = in.nextInt();
  f.spin = in.nextInt();
  f.HP = in.nextInt();
  if (use == Use::Lookup) f.maxHP = f.HP;
  f.weight = in.nextInt();
}

void readFrame(ValueStream& in, DollFrame& f, Use use) {
  readFrameValues(in, f, use);
  f.image = in.nextText();
}

void readBooster(ValueStream& in, Booster& b, Use) {
  b.name = in.nextText();
  b.Rl = in.nextInt();
  b.move = in.nextInt();
  b.jump = in.nextInt();
  b.spin = in.nextInt();
  b.HP = in.nextInt();
  b.weight = in.nextInt();
}

void readProtector(ValueStream& in, Protector& p, Use) {
  p.name = in.nextText();
  p.Rl = in.nextInt();
  p.AC = in.nextReal();
  p.weight = in.nextReal();
}

void readHard(ValueStream& in, Hard& h, Use) {
  h.name = in.nextText();
  h.Rl = in.nextInt();
  h.CPU = in.nextInt();
  h.Memory = in.nextInt();
}

void readSoftM(ValueStream& in, SoftMobile& s, Use use, int16_t id) {
  readSoftware(in, s, use, id, std::array{&s.move, &s.jump, &s.spin});
}

void readSoftA(ValueStream& in, SoftAttack& s, Use use, int16_t id) {
  readSoftware(in, s, use, id, std::array{&s.punch, &s.kick, &s.kumi, &s.drop, &s.hold});
}

void readSoftD(ValueStream& in, SoftDeffence& s, Use use, int16_t id) {
  readSoftware(in, s, use, id, std::array{&s.block, &s.uke, &s.hazusi});
}

}  // namespace velko
