// The exported replay's reader on damaged files, each read as it came and signed again with a
// valid checksum, so the checks behind the checksum (the replay inside) see the damage too. A
// file must be refused with its name and a line, never crash, and a file that is accepted must
// be exactly what its recording exports again.

#include <cstdlib>
#include <string>

#include "data/share/doll_share.h"
#include "replay/replay_export.h"

using namespace velko;

namespace {

std::string resigned(const std::string& bytes) {
  std::string body = bytes.substr(0, bytes.rfind("check "));
  if (!body.empty() && body.back() != '\n') body += '\n';
  return body + "check " + dollShareChecksum(body) + "\n";
}

void readAndCompare(const std::string& bytes) {
  const ReplayParse read = readReplayExport(bytes, "f");
  if (!read.recording) {
    if (read.error.rfind("fが壊れています（", 0) != 0 ||
        read.error.find("行目: ") == std::string::npos)
      std::abort();
    return;
  }
  if (writeReplayExport(*read.recording) != bytes) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  readAndCompare(bytes);
  const std::string signedAgain = resigned(bytes);
  if (signedAgain != bytes) readAndCompare(signedAgain);
  return 0;
}
