#pragma once
// A recorded fight as one file to hand to another player (`.velkoreplay`,
// docs/replay-export-format.md): a versioned first line, the replay's own text (both Dolls as
// they began, every number drawn and every choice) and a checksum. The reader takes any bytes
// as untrusted and refuses damage with the file's name and the line.

#include <filesystem>
#include <string>
#include <string_view>

#include "replay/replay_file.h"

namespace velko {

inline constexpr const char* kReplayExportMagic = "VELKO-REPLAY-EXPORT";
inline constexpr int kReplayExportVersion = 1;
inline constexpr size_t kReplayExportMaxBytes = 16 * 1024 * 1024;
inline constexpr const char* kReplayExportEnding = ".velkoreplay";

std::string writeReplayExport(const FightRecording& recording);

// Never throws; `fileName` is what a refusal names.
ReplayParse readReplayExport(std::string_view bytes, const std::string& fileName);

// Writes the recording to `path`. A file already there is replaced only when it is an exported
// replay (the game changes no file it did not write), and only once the new one is whole.
// Returns the reason of a refusal, or "" when written.
std::string saveReplayExport(const std::filesystem::path& path, const FightRecording& recording);

// Reads an exported replay from the disk; the refusal names the file.
ReplayParse openReplayExport(const std::filesystem::path& path);

}  // namespace velko
