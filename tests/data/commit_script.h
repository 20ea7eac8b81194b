#pragma once
// Commits under test: every step of a commit is counted, and a chosen step fails or stops
// there as if the process had died. A folder's files are compared with what they held before
// and what the commit was to put in place.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/save/commit_steps.h"

namespace velko::testing {

class StepScript {
 public:
  StepScript() {
    setCommitProbe([this](CommitStep step, const std::filesystem::path&) { return next(step); });
  }
  ~StepScript() { setCommitProbe({}); }
  StepScript(const StepScript&) = delete;
  StepScript& operator=(const StepScript&) = delete;

  std::set<int> failing;          // steps (from 0) that report a failure
  int stopping = -1;              // the step where the process "dies"
  int writesFailingFrom = -1;     // a full disk: this write (from 0) and every later one fail
  int steps = 0;                  // steps asked so far
  int writes = 0;                 // writes asked so far
  std::vector<CommitStep> kinds;  // every step asked so far, in order

 private:
  StepAnswer next(CommitStep kind) {
    const int step = steps++;
    kinds.push_back(kind);
    if (step == stopping) return StepAnswer::Stop;
    if (kind == CommitStep::Write) {
      const int write = writes++;
      if (writesFailingFrom >= 0 && write >= writesFailingFrom) return StepAnswer::Fail;
    }
    return failing.count(step) ? StepAnswer::Fail : StepAnswer::Go;
  }
};

// The files of one commit, by name under a folder, as bytes ("" when missing).
using FileSet = std::map<std::string, std::string>;

inline FileSet filesIn(const std::filesystem::path& folder, const std::vector<std::string>& names) {
  FileSet set;
  for (const std::string& name : names) {
    std::ifstream in(folder / name, std::ios::binary);
    set[name] = std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return set;
}

inline void putFiles(const std::filesystem::path& folder, const FileSet& set) {
  for (const auto& [name, bytes] : set)
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

// "old", "new" or "mixed".
inline std::string stateOf(const FileSet& now, const FileSet& before, const FileSet& after) {
  if (now == before) return "old";
  if (now == after) return "new";
  return "mixed";
}

// Everything under the folder a commit may leave behind: temporaries, backups, records.
inline std::vector<std::string> leftoversIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    const std::string ext = entry.path().extension().string();
    if (ext == ".tmp" || ext == ".bak" || ext == ".rec") names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// What a settled folder must not hold: the leftovers above other than the temporaries and
// backups of the commit's own files, which stay until those files are committed again.
inline std::vector<std::string> strayLeftoversIn(const std::filesystem::path& folder,
                                                 const std::vector<std::string>& files) {
  std::vector<std::string> stray;
  for (const std::string& name : leftoversIn(folder)) {
    const bool own = std::any_of(files.begin(), files.end(), [&](const std::string& file) {
      return name == file + ".tmp" || name == file + ".bak";
    });
    if (!own) stray.push_back(name);
  }
  return stray;
}

// The files as they were before a commit, and nothing else of an earlier attempt.
inline void startOver(const std::filesystem::path& folder, const FileSet& set) {
  for (const std::string& name : leftoversIn(folder))
    std::filesystem::remove(folder / name);
  putFiles(folder, set);
}

}  // namespace velko::testing
