// The readers of the career's files, the slot's history and the hall of fame, on damaged
// files, each read as it came and signed again with a valid checksum, so the checks behind the
// checksum see the damage too. A file must be refused with its name and a line, never crash,
// and a file that is accepted must be exactly what its contents write again.

#include <cstdlib>
#include <string>

#include "data/share/doll_share.h"
#include "history/hall_of_fame.h"
#include "history/history_file.h"

using namespace velko;

namespace {

std::string signedAgain(const std::string& bytes) {
  std::string body = bytes.substr(0, bytes.rfind("check "));
  if (!body.empty() && body.back() != '\n') body += '\n';
  return body + "check " + dollShareChecksum(body) + "\n";
}

void refusedByLine(const std::string& error) {
  if (error.rfind("fが壊れています（", 0) != 0 || error.find("行目: ") == std::string::npos)
    std::abort();
}

void readBoth(const std::string& bytes) {
  const HistoryRead history = readHistory(bytes, "f");
  if (!history.accepted()) {
    refusedByLine(history.error);
  } else if (writeHistory(history.history) != bytes) {
    std::abort();
  }
  const HallRead hall = readHall(bytes, "f");
  if (!hall.accepted()) {
    refusedByLine(hall.error);
  } else if (writeHall(hall.hall) != bytes) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Both readers refuse by size before reading; beyond it there is nothing to learn.
  if (size > kHallMaxBytes) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  readBoth(bytes);
  const std::string again = signedAgain(bytes);
  if (again != bytes) readBoth(again);
  return 0;
}
