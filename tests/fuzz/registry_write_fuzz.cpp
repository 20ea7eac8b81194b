// Registering an opponent into a damaged registry (Doll file, program file): the writer must
// refuse or append, never crash. When it appends, the files it wrote must hold the new Doll
// and its six patterns after everything that was there.

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "battle/headless_seams.h"
#include "data/registry/registry_write.h"
#include "fuzz_input.h"

using namespace velko;

namespace {

std::string bytesOf(const char* relative) {
  std::ifstream in(fuzz::fuzzFolder() / relative, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool startsWithLinesOf(const std::string& written, const std::string& before) {
  std::string lines;
  size_t start = 0;
  while (start < before.size()) {
    size_t end = before.find('\n', start);
    if (end == std::string::npos) end = before.size();
    const size_t stop = (end > start && before[end - 1] == '\r') ? end - 1 : end;
    lines += before.substr(start, stop - start) + "\r\n";
    start = end + 1;
  }
  return written.compare(0, lines.size(), lines) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto files = fuzz::splitInput(data, size, 2);
  fuzz::putFile("save/EDollsv.ini", files[0]);
  fuzz::putFile("save/ELogicsv.ini", files[1]);
  const GameFolder folder(fuzz::fuzzFolder());
  SilentPrompter prompter;
  doll d;
  d.name = "ファズ";
  const int16_t number = entryEnemy(folder, d, prompter);
  if (number == 0) return 0;
  // Appended after every line that was there, the previous files kept as the copies.
  if (!startsWithLinesOf(bytesOf("save/EDollsv.ini"), files[0])) std::abort();
  if (!startsWithLinesOf(bytesOf("save/ELogicsv.ini"), files[1])) std::abort();
  if (bytesOf("save/EDollsv.img") != files[0]) std::abort();
  if (number < 1 || number > 100) std::abort();
  return 0;
}
