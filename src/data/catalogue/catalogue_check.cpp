#include "data/catalogue/catalogue_check.h"

#include <functional>
#include <sstream>

#include "core/numbers.h"
#include "data/catalogue/catalogue.h"
#include "data/catalogue/catalogue_fields.h"
#include "data/files/data_file_error.h"

namespace velko {

namespace {

// Reads one record at the line after its header and returns its one-line description.
using RecordReader = std::function<std::string(ValueStream&, int16_t id)>;

std::string number(double v) {
  std::ostringstream out;
  out << v;
  return out.str();
}

std::string costs(const std::vector<std::pair<const char*, const Action*>>& actions) {
  std::string text;
  for (const auto& [label, action] : actions) {
    text += std::string("  ") + label + " " + std::to_string(action->AP) + "/" +
            std::to_string(action->Memory);
  }
  return text;
}

std::string describeMotor(ValueStream& in, int16_t) {
  Motor m;
  readMotor(in, m, Use::Lookup);
  return m.name + "  " + std::to_string(m.Rl) + "Rl  パワー " + std::to_string(m.pow) + "  HP " +
         std::to_string(m.HP) + "  重量 " + std::to_string(m.weight);
}

std::string describeFrame(ValueStream& in, int16_t) {
  DollFrame f;
  readFrame(in, f, Use::Lookup);
  return f.name + "  " + std::to_string(f.Rl) + "Rl  攻撃 " + std::to_string(f.offence) +
         "  防御 " + std::to_string(f.defence) + "  移動 " + std::to_string(f.move) +
         "  ジャンプ " + std::to_string(f.jump) + "  回転 " + std::to_string(f.spin) + "  HP " +
         std::to_string(f.HP) + "  重量 " + std::to_string(f.weight) + "  画像 " + f.image;
}

std::string describeBooster(ValueStream& in, int16_t) {
  Booster b;
  readBooster(in, b, Use::Lookup);
  return b.name + "  " + std::to_string(b.Rl) + "Rl  移動 " + std::to_string(b.move) +
         "  ジャンプ " + std::to_string(b.jump) + "  回転 " + std::to_string(b.spin) + "  HP " +
         std::to_string(b.HP) + "  重量 " + std::to_string(b.weight);
}

std::string describeProtector(ValueStream& in, int16_t) {
  Protector p;
  readProtector(in, p, Use::Lookup);
  return p.name + "  " + std::to_string(p.Rl) + "Rl  AC " + number(p.AC) + "  重量 " +
         number(p.weight);
}

std::string describeHard(ValueStream& in, int16_t) {
  Hard h;
  readHard(in, h, Use::Lookup);
  return h.name + "  " + std::to_string(h.Rl) + "Rl  CPU " + std::to_string(h.CPU) + "  メモリ " +
         std::to_string(h.Memory);
}

std::string describeSoftM(ValueStream& in, int16_t id) {
  SoftMobile s;
  readSoftM(in, s, Use::Lookup, id);
  return s.name + "  " + std::to_string(s.Rl) + "Rl (AP/メモリ)" +
         costs({{"移動", s.move.get()}, {"ジャンプ", s.jump.get()}, {"回転", s.spin.get()}});
}

std::string describeSoftA(ValueStream& in, int16_t id) {
  SoftAttack s;
  readSoftA(in, s, Use::Lookup, id);
  return s.name + "  " + std::to_string(s.Rl) + "Rl (AP/メモリ)" +
         costs({{"パンチ", s.punch.get()},
                {"キック", s.kick.get()},
                {"組み", s.kumi.get()},
                {"投げ", s.drop.get()},
                {"折り", s.hold.get()}});
}

std::string describeSoftD(ValueStream& in, int16_t id) {
  SoftDeffence s;
  readSoftD(in, s, Use::Lookup, id);
  return s.name + "  " + std::to_string(s.Rl) + "Rl (AP/メモリ)" +
         costs({{"防御", s.block.get()}, {"受身", s.uke.get()}, {"外し", s.hazusi.get()}});
}

CatalogueFileCheck checkFile(const GameFolder& folder, const char* gamePath, int tableSize,
                             const RecordReader& describe) {
  CatalogueFileCheck check;
  TextFile file;
  try {
    file = openCatalogue(folder, gamePath);
  } catch (const DataFileError& e) {
    check.file = e.file();
    check.errors.push_back(e.what());
    return check;
  }
  check.file = file.name;
  for (size_t i = 0; i < file.lines.size(); ++i) {
    if (!isHeader(file.lines[i])) continue;
    const int id = headerId(file.lines[i]);
    if (id < 0 || id >= tableSize) {
      check.errors.push_back(noShelfError(file.name, i + 1, id, tableSize).what());
      continue;
    }
    try {
      ValueStream in(file, i + 1);
      const std::string text = describe(in, static_cast<int16_t>(id));
      check.records.push_back("." + std::to_string(id) + "  " + text);
      i = in.nextLine() - 1;
    } catch (const DataFileError& e) {
      check.errors.push_back(e.what());
    }
  }
  return check;
}

}  // namespace

std::vector<CatalogueFileCheck> checkCatalogue(const GameFolder& folder) {
  return {
      checkFile(folder, kMotorFile, std::tuple_size_v<MotorTable>, describeMotor),
      checkFile(folder, kFrameFile, std::tuple_size_v<FrameTable>, describeFrame),
      checkFile(folder, kBoosterFile, std::tuple_size_v<BoosterTable>, describeBooster),
      checkFile(folder, kProtectorFile, std::tuple_size_v<ProtectorTable>, describeProtector),
      checkFile(folder, kHardwareFile, std::tuple_size_v<HardTable>, describeHard),
      checkFile(folder, kSoftMobileFile, std::tuple_size_v<SoftMobileTable>, describeSoftM),
      checkFile(folder, kSoftAttackFile, std::tuple_size_v<SoftAttackTable>, describeSoftA),
      checkFile(folder, kSoftDeffenceFile, std::tuple_size_v<SoftDeffenceTable>, describeSoftD),
  };
}

}  // namespace velko
