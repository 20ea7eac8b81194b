#include "replay/replay_export.h"

#include <algorithm>
#include <limits>
#include <system_error>

#include "core/shown_text.h"
#include "data/files/file_bytes.h"
#include "data/files/keyed_lines.h"
#include "data/save/save_commit.h"
#include "data/share/doll_share.h"

namespace velko {

namespace {

std::string shownName(const std::filesystem::path& path) {
  return path.filename().string();
}

std::string tooLarge(const std::string& fileName) {
  return fill(shown("%1が大きすぎます（%2MiBまで）"),
              {fileName, std::to_string(kReplayExportMaxBytes / (1024 * 1024))});
}

[[noreturn]] void failAt(const std::string& fileName, size_t line, const std::string& what) {
  throw KeyedLinesError(
      fill(shown("%1が壊れています（%2行目: %3）"), {fileName, std::to_string(line), what}));
}

// The game writes no carriage return, and none may hide a line end from the replay's reader,
// which would take one before a line feed.
void refuseCarriageReturns(std::string_view bytes, const std::string& fileName) {
  const size_t cr = bytes.find('\r');
  if (cr == std::string_view::npos) return;
  const auto before = std::count(bytes.begin(), bytes.begin() + static_cast<long>(cr), '\n');
  failAt(fileName, 1 + static_cast<size_t>(before), shown("制御文字があります"));
}

// The first line: the format's name and a version this game reads.
void readHeader(KeyedLines& lines) {
  const std::string_view header = lines.atEnd() ? std::string_view() : lines.next();
  const std::string magic = std::string(kReplayExportMagic) + " ";
  if (header.substr(0, magic.size()) != magic)
    lines.fail(shown("書き出したリプレイファイルではありません"));
  KeyedFields version(header.substr(magic.size()), lines);
  if (version.integer<long>(0, std::numeric_limits<int>::max()) != kReplayExportVersion ||
      !version.atEnd())
    lines.fail(shown("この版のリプレイファイルは読めません"));
}

// The last line, "check" and the checksum of every byte before it. Checked before the replay
// is read, so damage anywhere is named as such.
std::string_view checkedBody(std::string_view bytes, const KeyedLines& lines,
                             const std::string& fileName) {
  // The bytes end with a line feed (the reader has made sure): the last line starts after
  // the one before it.
  const size_t lastLine = bytes.rfind('\n', bytes.size() - 2);
  const std::string_view body = bytes.substr(0, lastLine + 1);
  const std::string_view last = bytes.substr(lastLine + 1, bytes.size() - lastLine - 2);
  if (last != "check " + dollShareChecksum(body))
    failAt(fileName, lines.size(), shown("チェックサムが合いません"));
  return body;
}

ReplayParse readExport(std::string_view bytes, const std::string& fileName) {
  refuseCarriageReturns(bytes, fileName);
  KeyedLines lines(bytes, KeyedFormat{fileName, false, true, true});
  readHeader(lines);
  if (lines.size() < 3) lines.fail(shown("ファイルが途中で終わっています"));
  const std::string_view body = checkedBody(bytes, lines, fileName);
  // The replay inside is of the one version this game writes, and ends right before the
  // checksum.
  if (lines.next() != std::string(kReplayMagic) + " " + std::to_string(kReplayVersion))
    lines.fail(shown("この版のリプレイファイルは読めません"));
  if (!body.ends_with("\nend\n"))
    failAt(fileName, lines.size() - 1, shown("「end」の後に余分な行があります"));
  const size_t firstLineEnd = body.find('\n');
  return parseReplay(body.substr(firstLineEnd + 1), fileName, 1);
}

}  // namespace

std::string writeReplayExport(const FightRecording& recording) {
  return checkedText(std::string(kReplayExportMagic) + " " + std::to_string(kReplayExportVersion) +
                     "\n" + formatReplay(recording));
}

ReplayParse readReplayExport(std::string_view bytes, const std::string& fileName) {
  if (bytes.size() > kReplayExportMaxBytes) return {std::nullopt, tooLarge(fileName)};
  try {
    return readExport(bytes, fileName);
  } catch (const KeyedLinesError& fault) {
    return {std::nullopt, fault.what()};
  }
}

std::string saveReplayExport(const std::filesystem::path& path, const FightRecording& recording) {
  std::error_code error;
  if (std::filesystem::exists(path, error) && !openReplayExport(path).recording)
    return fill(shown("%1 は書き出したリプレイファイルではないので上書きしません"),
                {shownName(path)});
  const std::string bytes = writeReplayExport(recording);
  // What the other player could not open is not written.
  const ReplayParse again = readReplayExport(bytes, shownName(path));
  if (!again.recording) return again.error;
  if (!replaceFile(path, bytes)) return fill(shown("%1 に書き込めませんでした"), {shownName(path)});
  return {};
}

ReplayParse openReplayExport(const std::filesystem::path& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  // A file past the limit is refused before it is read into memory.
  if (!error && size > kReplayExportMaxBytes) return {std::nullopt, tooLarge(shownName(path))};
  std::string bytes;
  if (error || !readBytes(path, bytes))
    return {std::nullopt, fill(shown("%1: ファイルが読めません"), {shownName(path)})};
  return readReplayExport(bytes, shownName(path));
}

}  // namespace velko
