// The replay reader on damaged files: a refusal says why and gives no recording, and an
// accepted file is exactly what its recording writes again, once its line ends are spelt as
// the writer spells them (a CR before each LF and empty lines after the end are let through).

#include <cstdlib>
#include <string>
#include <string_view>

#include "replay/replay_file.h"

using namespace velko;

namespace {

// The bytes without a CR before an LF or at the very end, ended by one LF: an accepted file
// holds no other CR, and only empty lines after its last.
std::string withPlainLineEnds(std::string_view bytes) {
  std::string out;
  for (size_t k = 0; k < bytes.size(); ++k) {
    const bool lineEnd = k + 1 == bytes.size() || bytes[k + 1] == '\n';
    if (bytes[k] != '\r' || !lineEnd) out += bytes[k];
  }
  while (!out.empty() && out.back() == '\n')
    out.pop_back();
  return out + '\n';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ReplayParse read = parseReplay(bytes);
  if (!read.recording) {
    if (read.error.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  if (formatReplay(*read.recording) != withPlainLineEnds(bytes)) std::abort();
  return 0;
}
