#include "history/hall_of_fame.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <system_error>

#include "core/shown_text.h"
#include "data/files/file_bytes.h"
#include "data/files/keyed_lines.h"
#include "data/save/save_commit.h"
#include "data/share/check_line.h"
#include "data/share/doll_share.h"

namespace velko {

namespace {

constexpr int kHallMaxCount = 32767;

bool hallDateOk(std::string_view d) {
  if (d.size() != 10 || d[4] != '-' || d[7] != '-') return false;
  for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (d[i] < '0' || d[i] > '9') return false;
  return true;
}

std::string hallLine(std::string name) {
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  return name;
}

class HallParser {
 public:
  explicit HallParser(KeyedLines& lines) : lines_(lines) {}

  std::vector<HallEntry> parse() {
    header();
    std::vector<HallEntry> hall;
    while (lines_.nextIs("career"))
      hall.push_back(entry(hall));
    check();
    return hall;
  }

 private:
  void header() {
    const std::string_view line = lines_.next();
    const std::string magic = std::string(kHallMagic) + " ";
    if (line.substr(0, magic.size()) != magic) lines_.fail(shown("殿堂ファイルではありません"));
    KeyedFields f(line.substr(magic.size()), lines_);
    if (f.integer<int>(0, INT32_MAX) != kHallVersion)
      lines_.fail(shown("この版の殿堂ファイルは読めません"));
    f.finish();
  }

  HallEntry entry(const std::vector<HallEntry>& above) {
    KeyedFields f(lines_.keyed("career"), lines_);
    if (above.size() >= kHallKept) lines_.fail(shown("記録が多すぎます"));
    HallEntry e;
    e.titles = f.integer<int>(0, kHallMaxCount);
    e.wins = f.integer<int>(0, kHallMaxCount);
    e.losses = f.integer<int>(0, kHallMaxCount);
    e.givenUp = f.integer<int>(0, kHallMaxCount);
    e.date = std::string(f.word());
    if (!hallDateOk(e.date)) lines_.fail(shown("日付が正しくありません"));
    f.finish();
    if (!above.empty() && ranksAbove(e, above.back()))
      lines_.fail(shown("記録が順位の順に並んでいません"));
    KeyedFields pilot(lines_.keyed("pilot"), lines_);
    e.pilot = pilot.rest();
    KeyedFields doll(lines_.keyed("doll"), lines_);
    e.doll = doll.rest();
    return e;
  }

  void check() { readCheckLine(lines_); }

  KeyedLines& lines_;
};

}  // namespace

bool ranksAbove(const HallEntry& a, const HallEntry& b) {
  if (a.titles != b.titles) return a.titles > b.titles;
  if (a.wins != b.wins) return a.wins > b.wins;
  return a.date < b.date;
}

std::vector<HallEntry> enterHall(std::vector<HallEntry> hall, const HallEntry& entry) {
  // After every entry it does not rank above: a career that only ties comes after.
  auto at = hall.begin();
  while (at != hall.end() && !ranksAbove(entry, *at))
    ++at;
  hall.insert(at, entry);
  if (hall.size() > kHallKept) hall.resize(kHallKept);
  return hall;
}

std::string writeHall(const std::vector<HallEntry>& hall) {
  std::string body = std::string(kHallMagic) + " " + std::to_string(kHallVersion) + "\n";
  for (const HallEntry& e : hall) {
    body += "career" + numberFields({e.titles, e.wins, e.losses, e.givenUp}) + " " + e.date + "\n";
    body += "pilot " + hallLine(e.pilot) + "\n";
    body += "doll " + hallLine(e.doll) + "\n";
  }
  return checkedText(body);
}

HallRead readHall(std::string_view bytes, const std::string& fileName) {
  HallRead read;
  if (bytes.size() > kHallMaxBytes) {
    read.error = fill(shown("%1が大きすぎます（%2KiBまで）"),
                      {fileName, std::to_string(kHallMaxBytes / 1024)});
    return read;
  }
  try {
    KeyedLines lines(bytes, KeyedFormat{fileName, false, false, true});
    read.hall = HallParser(lines).parse();
  } catch (const KeyedLinesError& fault) {
    read.hall.clear();
    read.error = fault.what();
  }
  return read;
}

std::filesystem::path hallFilePath(const GameFolder& folder) {
  return folder.root() / kHallFileName;
}

HallRead loadHall(const GameFolder& folder) {
  const std::filesystem::path path = hallFilePath(folder);
  std::error_code absent;
  if (!std::filesystem::exists(path, absent)) return {};
  HallRead read;
  const auto size = std::filesystem::file_size(path, absent);
  std::string bytes;
  if (!absent && size > kHallMaxBytes)
    return readHall(std::string(kHallMaxBytes + 1, '\n'), kHallFileName);
  if (!readBytes(path, bytes)) {
    read.error = fill(shown("%1を読めません"), {std::string(kHallFileName)});
    return read;
  }
  return readHall(bytes, kHallFileName);
}

std::string recordInHall(const GameFolder& folder, const HallEntry& entry) {
  const HallRead read = loadHall(folder);
  if (!read.accepted()) return read.error;
  if (!replaceFile(hallFilePath(folder), writeHall(enterHall(read.hall, entry))))
    return fill(shown("%1に書き込めません"), {std::string(kHallFileName)});
  return "";
}

std::string todayText() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

}  // namespace velko
