#pragma once
// The replay file: one recorded fight as UTF-8 text (docs/replay-format.md). One writer and
// one reader; the reader takes any bytes and refuses what is not a whole replay of the
// version it knows, saying why, without throwing.

#include <optional>
#include <string>
#include <string_view>

#include "replay/fight_recording.h"

namespace velko {

inline constexpr int kReplayVersion = 1;
inline constexpr const char* kReplayMagic = "VELKO-REPLAY";

// The file's text for a recording.
std::string formatReplay(const FightRecording& recording);

struct ReplayParse {
  std::optional<FightRecording> recording;
  std::string error;  // a message for the player when recording is empty
};

// Reads a replay from its bytes. Never throws; a damaged, foreign or newer file gives an
// error and no recording.
ReplayParse parseReplay(std::string_view bytes);
// The same for a replay held inside another file: messages name that file and count its
// lines from the enclosing file's first.
ReplayParse parseReplay(std::string_view bytes, const std::string& fileName, size_t linesBefore);

}  // namespace velko
