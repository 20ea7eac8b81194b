// The catalogue readers on a damaged catalogue file: the first byte picks which of the eight
// files the rest replaces; the checker, the table reader and the single-record readers of
// that kind read it. A fault must be a DataFileError, never a crash.

#include <array>
#include <fstream>
#include <iterator>

#include "data/catalogue/catalogue.h"
#include "data/catalogue/catalogue_check.h"
#include "data/files/data_file_error.h"
#include "fuzz_input.h"

using namespace velko;

namespace {

const std::array<const char*, 8> kFiles = {
    "ini/Motor.ini",    "ini/Frame.ini",     "ini/Booster.ini",   "ini/Protector.ini",
    "ini/Hardware.ini", "ini/Software1.ini", "ini/Software2.ini", "ini/Software3.ini"};

// What reads each file: its table reader and its single-record readers.
using Readers = void (*)(const GameFolder&, int16_t);
const std::array<Readers, 8> kReaders = {
    [](const GameFolder& f, int16_t id) {
      ld_AllMotors(f);
      ld_Motor(f, id);
      ldMotor(f, id);
    },
    [](const GameFolder& f, int16_t id) {
      ld_AllFrame(f);
      ld_Frame(f, id);
      ldFrame(f, id);
    },
    [](const GameFolder& f, int16_t id) {
      ld_AllBooster(f);
      ld_Boost(f, id);
    },
    [](const GameFolder& f, int16_t id) {
      ld_AllProtector(f);
      ld_Protect(f, id);
    },
    [](const GameFolder& f, int16_t id) {
      ld_AllHard(f);
      ld_Hard(f, id);
    },
    [](const GameFolder& f, int16_t id) {
      ld_AllSoft(f);
      ld_SoftM(f, id);
    },
    [](const GameFolder& f, int16_t id) {
      ld_AllSoft(f);
      ld_SoftA(f, id);
    },
    [](const GameFolder& f, int16_t id) {
      ld_AllSoft(f);
      ld_SoftD(f, id);
    },
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t kind = data[0] % kFiles.size();
  const int16_t id = static_cast<int16_t>(data[1] % 40);
  const GameFolder folder(fuzz::fuzzFolder());
  const std::string original = [&] {
    std::ifstream in(fuzz::fuzzFolder() / kFiles[kind], std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }();
  fuzz::putFile(kFiles[kind], std::string(reinterpret_cast<const char*>(data + 2), size - 2));
  checkCatalogue(folder);
  try {
    kReaders[kind](folder, id);
  } catch (const DataFileError&) {
  }
  fuzz::putFile(kFiles[kind], original);  // the next input damages a whole catalogue again
  return 0;
}
