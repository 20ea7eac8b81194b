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
  const std::string name = in.nextText();
  const int16_t price = in.nextInt();
  const auto c = readCosts<3>(in);
  if (use == Use::Lookup) {
    s.init(id, name, price);
    s.init2(c[0], c[1], c[2]);
    return;
  }
  s.ID = id;
  s.name = name;
  s.Rl = price;
  s.move = costOnly(c[0]);
  s.jump = costOnly(c[1]);
  s.spin = costOnly(c[2]);
}

void readSoftA(ValueStream& in, SoftAttack& s, Use use, int16_t id) {
  const std::string name = in.nextText();
  const int16_t price = in.nextInt();
  const auto c = readCosts<5>(in);
  if (use == Use::Lookup) {
    s.init(id, name, price);
    s.init2(c[0], c[1], c[2], c[3], c[4]);
    return;
  }
  s.ID = id;
  s.name = name;
  s.Rl = price;
  s.punch = costOnly(c[0]);
  s.kick = costOnly(c[1]);
  s.kumi = costOnly(c[2]);
  s.drop = costOnly(c[3]);
  s.hold = costOnly(c[4]);
}

void readSoftD(ValueStream& in, SoftDeffence& s, Use use, int16_t id) {
  const std::string name = in.nextText();
  const int16_t price = in.nextInt();
  const auto c = readCosts<3>(in);
  if (use == Use::Lookup) {
    s.init(id, name, price);
    s.init2(c[0], c[1], c[2]);
    return;
  }
  s.ID = id;
  s.name = name;
  s.Rl = price;
  s.block = costOnly(c[0]);
  s.uke = costOnly(c[1]);
  s.hazusi = costOnly(c[2]);
}

}  // namespace velko
