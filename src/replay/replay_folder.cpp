#include "replay/replay_folder.h"
#include "core/shown_text.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <system_error>

#include "data/files/file_bytes.h"

namespace velko {

namespace {

constexpr const char* kExtension = ".replay";

// yyyymmdd-hhmmss-micro, in UTC: sorts as the fights happened.
std::string timeStamp() {
  const auto now = std::chrono::system_clock::now();
  const auto micro =
      std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count();
  const std::time_t seconds = static_cast<std::time_t>(micro / 1'000'000);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[40];
  std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d-%06lld", utc.tm_year + 1900,
                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                static_cast<long long>(micro % 1'000'000));
  return text;
}

const char* modeWord(int16_t mode) {
  if (mode == kModeStreet) return "street";
  if (mode == kModeDuel) return "duel";
  return "tournament";
}

// A replay is a new file and never replaces one, so it is written without waiting for the
// disk: a crash may leave it cut short, and the reader refuses such a file.
bool writeNewFile(const std::filesystem::path& file, const std::string& bytes) {
  const std::filesystem::path temporary = file.string() + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary);
    out << bytes;
    if (!out.flush()) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (!error) return true;
  std::filesystem::remove(temporary, error);
  return false;
}

void keepNewest(const GameFolder& folder) {
  const std::vector<std::filesystem::path> files = listReplays(folder);
  std::error_code ignored;
  for (size_t k = kReplaysKept; k < files.size(); ++k)
    std::filesystem::remove(files[k], ignored);
}

}  // namespace

std::filesystem::path replayFolder(const GameFolder& folder) {
  return folder.path("\\save\\replays");
}

std::filesystem::path saveReplay(const GameFolder& folder, const FightRecording& recording) {
  const std::filesystem::path dir = replayFolder(folder);
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) return {};
  const std::string stem = timeStamp() + "-" + modeWord(recording.mode);
  std::filesystem::path file = dir / (stem + kExtension);
  // Two fights within one microsecond still get a file each.
  for (int k = 2; std::filesystem::exists(file); ++k)
    file = dir / (stem + "-" + std::to_string(k) + kExtension);
  if (!writeNewFile(file, formatReplay(recording))) return {};
  keepNewest(folder);
  return file;
}

std::vector<std::filesystem::path> listReplays(const GameFolder& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(replayFolder(folder), error)) {
    if (entry.is_regular_file() && entry.path().extension() == kExtension)
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
    return a.filename().string() > b.filename().string();
  });
  return files;
}

ReplayParse loadReplay(const std::filesystem::path& file) {
  std::string bytes;
  if (!readBytes(file, bytes)) {
    ReplayParse parse;
    parse.error = fill(shown("%1: ファイルが読めません"), {file.filename().string()});
    return parse;
  }
  ReplayParse parse = parseReplay(bytes);
  if (!parse.recording) parse.error = file.filename().string() + ": " + parse.error;
  return parse;
}

}  // namespace velko
