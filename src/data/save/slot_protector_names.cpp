#include "data/save/slot_protector_names.h"

#include <algorithm>

#include "core/numbers.h"
#include "data/files/value_stream.h"

namespace velko {

namespace {

bool isTaken(const std::string& name, const std::vector<std::string>& earlier) {
  return std::find(earlier.begin(), earlier.end(), name) != earlier.end();
}

}  // namespace

std::string countUpName(const std::string& name, const std::vector<std::string>& earlier) {
  if (name.empty()) return name;
  for (auto it = earlier.rbegin(); it != earlier.rend(); ++it) {
    if (it->compare(0, name.size(), name) != 0) continue;
    const double found = leadingNumber(it->substr(name.size()));
    long n = found > 0 ? saturate16(found) + 1L : 1L;
    std::string candidate = name + " " + std::to_string(n);
    while (isTaken(candidate, earlier))
      candidate = name + " " + std::to_string(++n);
    return candidate;
  }
  return name;
}

void countUpProtector(const Owner& owner, int k, Protector& p) {
  std::vector<std::string> earlier;
  for (int i = 0; i < k && i < Owner::kProtectorSlots; ++i) {
    earlier.push_back(owner.getProtector(i)->name);
  }
  p.name = countUpName(p.name, earlier);
}

void countUpProtector2(const doll& d, int k, Protector& p) {
  std::vector<std::string> earlier;
  for (int i = 0; i < k && i < doll::kProtectorSlots; ++i) {
    earlier.push_back(d.getProtector(i)->name);
  }
  p.name = countUpName(p.name, earlier);
}

}  // namespace velko
