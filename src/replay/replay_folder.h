#pragma once
// The recorded fights of a game folder: save/replays/, one file per fight, the newest 100
// kept. File names begin with the time of the recording, so their order is the fights' order.

#include <filesystem>
#include <string>
#include <vector>

#include "data/files/game_folder.h"
#include "replay/fight_recording.h"
#include "replay/replay_file.h"

namespace velko {

inline constexpr size_t kReplaysKept = 100;

std::filesystem::path replayFolder(const GameFolder& folder);

// Writes the recording as a new file and removes the oldest beyond the newest 100. Returns
// the new file, or an empty path when it could not be written (nothing else changes then).
std::filesystem::path saveReplay(const GameFolder& folder, const FightRecording& recording);

// The replay files, newest first.
std::vector<std::filesystem::path> listReplays(const GameFolder& folder);

// Reads one replay file; the error names the file.
ReplayParse loadReplay(const std::filesystem::path& file);

}  // namespace velko
