// The battle screen's registry readers on a damaged registry (Doll file, program file): the
// candidate lists and the first Dolls they name, and a few numbers besides. A fault must be a
// DataFileError, never a crash.

#include "data/files/data_file_error.h"
#include "data/registry/registry_read.h"
#include "fuzz_input.h"

using namespace velko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto files = fuzz::splitInput(data, size, 2);
  fuzz::putFile("save/EDollsv.ini", files[0]);
  fuzz::putFile("save/ELogicsv.ini", files[1]);
  const GameFolder folder(fuzz::fuzzFolder());
  try {
    EnemyIdList ids{};
    const int16_t count = countTekiDoll(folder, 9999, ids);
    // A few of the Dolls found: each load reads both files again.
    for (int i = 1; i <= count && i <= 3; ++i)
      ldTekiDoll(folder, ids[i]);
    ldTekiIDs(folder, 1000);
    for (int16_t r : {0, 1, 99, 100})
      ldTekiDoll(folder, r);
  } catch (const DataFileError&) {
  }
  return 0;
}
