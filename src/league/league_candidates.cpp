#include "league/league_candidates.h"

#include "core/shown_text.h"

#include <algorithm>
#include <string_view>
#include <system_error>

#include "data/files/file_bytes.h"
#include "data/share/doll_share.h"
#include "lab/practice_opponents.h"
#include "league/registry_entrant.h"

namespace velko {

namespace {

constexpr std::string_view kDollFileEnding = ".velkodoll";

// The ending in any case, as a file manager's filter takes it; a hidden file is not offered.
bool isDollFileName(const std::string& name) {
  if (name.size() <= kDollFileEnding.size() || name.front() == '.') return false;
  const std::string_view ending =
      std::string_view(name).substr(name.size() - kDollFileEnding.size());
  return std::equal(ending.begin(), ending.end(), kDollFileEnding.begin(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
  });
}

std::vector<std::string> dollFileNames(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  std::error_code error;
  // A folder that cannot be listed, or stops being listable, offers what was read by then.
  for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code kind;
    const std::string name = it->path().filename().string();
    if (it->is_regular_file(kind) && isDollFileName(name)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

PlayerCandidate playerCandidate(const GameFolder& folder, const Owner& pilot, const doll& d) {
  std::string text = writeDollShare(pilot, d);
  const DollImport check = readDollShare(folder, text);
  return {std::move(text), check.error};
}

std::vector<RegistryCandidate> registryCandidates(const GameFolder& folder) {
  std::vector<RegistryCandidate> all;
  for (const PracticeOpponent& o : registryOpponents(folder))
    all.push_back({o.id, o.doll, registryEntrantText(*o.doll, o.id)});
  return all;
}

FolderCandidates folderCandidates(const GameFolder& folder, const std::filesystem::path& dir) {
  FolderCandidates found;
  const std::vector<std::string> names = dollFileNames(dir);
  if (names.empty()) found.refused.push_back(shown("Dollファイル（.velkodoll）がありません"));
  for (const std::string& name : names) {
    std::string bytes;
    if (!readBytes(dir / name, bytes)) {
      found.refused.push_back(name + ": " + shown("ファイルが読めません"));
      continue;
    }
    const DollImport in = readDollShare(folder, bytes);
    if (!in.accepted()) {
      found.refused.push_back(name + ": " + in.error);
      continue;
    }
    found.accepted.push_back({name, in.doll, std::move(bytes)});
  }
  return found;
}

std::vector<int> joinEntrants(const GameFolder& folder, League& league, std::vector<DollRef>& dolls,
                              const std::vector<std::string>& texts) {
  std::vector<int> chosen;
  for (const std::string& text : texts) {
    const size_t known = static_cast<size_t>(
        std::find(league.entrants.begin(), league.entrants.end(), text) - league.entrants.begin());
    // A new entrant joins only once its Doll is built, so both lists stay in step.
    if (known == league.entrants.size()) {
      dolls.push_back(entrantDoll(folder, text, known));
      league.entrants.push_back(text);
    }
    chosen.push_back(static_cast<int>(known));
  }
  std::sort(chosen.begin(), chosen.end());
  // The same text chosen twice is one entrant: a Doll never meets itself.
  chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
  return chosen;
}

}  // namespace velko
