#pragma once
// The file operations a commit of the game's files is made of, one call per step. Each step
// first asks the probe, so a test can make any single write, sync, rename or removal fail, or
// stop the commit there as if the process had died.

#include <filesystem>
#include <functional>
#include <string>

namespace velko {

enum class CommitStep { Write, Sync, SyncFolder, Link, Rename, Remove };
enum class StepAnswer { Go, Fail, Stop };

using CommitProbe = std::function<StepAnswer(CommitStep, const std::filesystem::path&)>;

// Thrown by a step the probe stops: nothing after it runs, as after a crash.
struct CommitStopped {};

// For tests: every later step asks this probe; an empty probe lets every step go.
void setCommitProbe(CommitProbe probe);

namespace steps {

// Creates or empties the file, writes the bytes, flushes and syncs them.
[[nodiscard]] bool writeFile(const std::filesystem::path& path, const std::string& bytes);
// Makes renames and removals in the folder durable.
[[nodiscard]] bool syncFolder(const std::filesystem::path& folder);
// A second name for the file's content: a hard link, or a synced copy where links fail.
[[nodiscard]] bool keepCopy(const std::filesystem::path& from, const std::filesystem::path& to);
[[nodiscard]] bool renameFile(const std::filesystem::path& from, const std::filesystem::path& to);
// True when the file is gone afterwards (also when it was never there).
[[nodiscard]] bool removeFile(const std::filesystem::path& path);

}  // namespace steps

}  // namespace velko
