// The shared-Doll reader on damaged files, each read twice: as it came, and signed again with
// a valid checksum, as an editor who knows the format would, so the checks behind the checksum
// see the damage too. A file must be refused with a reason, never crash, and a file that is
// accepted must be exactly what its Doll writes again.

#include <cstdlib>
#include <string>

#include "data/share/doll_share.h"
#include "fuzz_input.h"

using namespace velko;

namespace {

// Everything before the last checksum line (the whole input when there is none) and a
// checksum line made for it.
std::string resigned(const std::string& bytes) {
  const size_t check = bytes.rfind("check ");
  std::string body = bytes.substr(0, check);
  if (!body.empty() && body.back() != '\n') body += '\n';
  return body + "check " + dollShareChecksum(body) + "\n";
}

void readAndCompare(const GameFolder& folder, const std::string& bytes) {
  const DollImport read = readDollShare(folder, bytes);
  if (!read.accepted()) {
    if (read.pilot || read.doll) std::abort();  // a refusal gives no Doll
    return;
  }
  if (writeDollShare(*read.pilot, *read.doll) != bytes) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const GameFolder folder(fuzz::fuzzFolder());
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  readAndCompare(folder, bytes);
  const std::string signedAgain = resigned(bytes);
  if (signedAgain != bytes) readAndCompare(folder, signedAgain);
  return 0;
}
