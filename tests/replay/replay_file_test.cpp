#include "replay/replay_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/files/file_bytes.h"
#include "data/share/doll_share.h"
#include "replay/fight_inspection.h"
#include "replay/replay_export.h"
#include "replay/replay_folder.h"
#include "support/recorded_fights.h"
#include "support/temp_folder.h"

namespace velko::testing {
namespace {

std::string sampleText() {
  SeededRandom dolls(3);
  const DollRef a = randomDoll(dolls, "ヴェルコ");
  const DollRef b = randomDoll(dolls, "ブラム");
  return formatReplay(recordFight(*a, *b, kModeDuel, 17).recording);
}

bool refused(std::string_view bytes) {
  const ReplayParse parse = parseReplay(bytes);
  return !parse.recording && !parse.error.empty();
}

// Every cut-short file, foreign text, a newer version and values out of their range are
// refused with a message; nothing throws.
TEST(ReplayFile, DamagedOrForeignInputIsRefused) {
  const std::string text = sampleText();
  ASSERT_TRUE(parseReplay(text).recording);
  EXPECT_EQ(text.substr(0, 15), "VELKO-REPLAY 1\n");
  // Cut at every line end and just around it, and every so often in between.
  for (size_t cut = 0; cut + 1 < text.size(); ++cut) {
    const bool nearLineEnd =
        text[cut] == '\n' || text[cut + 1] == '\n' || (cut > 0 && text[cut - 1] == '\n');
    if (!nearLineEnd && cut % 61 != 0) continue;
    ASSERT_TRUE(refused(std::string_view(text).substr(0, cut))) << "cut at " << cut;
  }

  EXPECT_EQ(parseReplay("").error, "リプレイファイルではありません");
  EXPECT_EQ(parseReplay(".1\r\nウィーク\r\n").error, "リプレイファイルではありません");
  EXPECT_NE(parseReplay("VELKO-REPLAY 2\nmode 0\n").error.find("版"), std::string::npos);
  EXPECT_TRUE(refused("\x82\xa0VELKO"));  // Shift_JIS, not UTF-8

  auto replaced = [&text](const std::string& from, const std::string& to) {
    std::string damaged = text;
    const size_t at = damaged.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return damaged.replace(at, from.size(), to);
  };
  EXPECT_TRUE(refused(replaced("mode 2", "mode 7")));
  EXPECT_TRUE(refused(replaced("winner ", "winner 5")));
  EXPECT_TRUE(refused(replaced("pattern 0 ", "pattern 13 ")));
  EXPECT_TRUE(refused(replaced("\ndraws ", "\ndraws 9")));
  EXPECT_TRUE(refused(replaced("\nchoices ", "\nchoices 1")));
  EXPECT_TRUE(refused(replaced("p0:", "q0:")));
  EXPECT_TRUE(refused(replaced("p1:", "p2:")));
  EXPECT_TRUE(refused(replaced("reals ", "reals nan ")));
  EXPECT_TRUE(refused(replaced("numbers ", "numbers 40000 ")));
  EXPECT_TRUE(refused(text + "more\n"));
  // Only the writer's spelling of a value, so an accepted file is exactly its fight's: no
  // leading zero, "-0", longer real, trailing blank, CR inside a line, or repeated pattern.
  EXPECT_TRUE(refused(replaced("steps ", "steps 0")));
  EXPECT_TRUE(refused(replaced("start 0 ", "start -0 ")));
  EXPECT_TRUE(refused(replaced("reals ", "reals 0")));
  EXPECT_TRUE(refused(replaced("mode 2", "mode 2 ")));
  EXPECT_TRUE(refused(replaced("\nname ", "\nname \r")));
  // Well-formed UTF-8 only, each bound taken just inside and just past: no overlong form of two,
  // three or four bytes, no surrogate, nothing above U+10FFFF, no byte that cannot lead or
  // follow.
  const auto named = [&](const std::string& bytes) {
    return parseReplay(replaced("\nname ", "\nname " + bytes)).error;
  };
  for (const std::string bad :
       {"\xC0\xAF", "\xC1\xBF", "\xE0\x82\x80", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80",
        "\xED\xBF\xBF", "\xF4\x90\x80\x80", "\xF9\x80\x80\x80", "\x80", "\xC3\xE9", "\xE3\x81\x41"})
    EXPECT_NE(named(bad).find("UTF-8の文字でないバイトがあります"), std::string::npos)
        << ::testing::PrintToString(bad);
  for (const std::string good : {"\xC2\x80", "\xE0\xA0\x80", "\xF0\x90\x80\x80", "\xED\x9F\xBF",
                                 "\xEE\x80\x80", "\xF4\x8F\xBF\xBF", "\xF0\x9F\x98\x80"})
    EXPECT_EQ(named(good), "") << ::testing::PrintToString(good);
  // An action's name number is its ID again: the fight runs on the ID.
  EXPECT_TRUE(refused(replaced(" 4:4:", " 4:5:")));
  const size_t pattern = text.find("pattern 1 ");
  const std::string secondPattern = text.substr(pattern, text.find('\n', pattern) + 1 - pattern);
  EXPECT_TRUE(refused(replaced(secondPattern, secondPattern + secondPattern)));
  // As the format allows: a CR before each LF, and empty lines after the end.
  std::string crlf;
  for (char c : text)
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const ReplayParse windows = parseReplay(crlf + "\r\n\n");
  ASSERT_TRUE(windows.recording) << windows.error;
  EXPECT_EQ(formatReplay(*windows.recording), text);
  // Every bound taken at the bound and just past it: the start of a bout with either fighter
  // to act, the last pattern slot, the last action number.
  const size_t startAt = text.find("\nstart ") + 1;
  const std::string startLine = text.substr(startAt, text.find('\n', startAt) + 1 - startAt);
  const size_t choicesAt = text.find('\n', text.find("\nchoices ") + 1) + 1;
  const std::string firstChoice =
      text.substr(choicesAt, text.find_first_of(" \n", choicesAt) - choicesAt);
  const std::string emptyAction = " 0:0:0:0 ";
  const std::vector<std::pair<std::string, std::string>> bounds = {
      {startLine, "start 3 2 -7\n"}, {startLine, "start 4 1 32767\n"},
      {"mode 2", "mode 0"},          {firstChoice, "p0:12"},
      {firstChoice, "p1:-2"},        {emptyAction, " 11:11:0:0 "}};
  const std::vector<std::pair<std::string, std::string>> pastBounds = {
      {startLine, "start 1 0 0\n"},     {startLine, "start 2 0 0\n"}, {startLine, "start 5 0 0\n"},
      {startLine, "start -1 0 0\n"},    {startLine, "start 3 3 0\n"}, {startLine, "start 4 -1 0\n"},
      {startLine, "start 0 0 32768\n"}, {"mode 2", "mode 3"},         {"mode 2", "mode -1"},
      {firstChoice, "p0:13"},           {firstChoice, "p1:-3"},       {emptyAction, " 0:12:0:0 "},
      {emptyAction, " 0:-1:0:0 "}};
  for (const auto& [from, to] : bounds) {
    const ReplayParse parse = parseReplay(replaced(from, to));
    EXPECT_TRUE(parse.recording) << to << parse.error;
  }
  for (const auto& [from, to] : pastBounds)
    EXPECT_TRUE(refused(replaced(from, to))) << to;
  // A draw outside [0, 1) would give a die face of 7.
  const size_t draws = text.find("\ndraws ");
  const size_t firstDraw = text.find('\n', draws + 1) + 1;
  std::string tooBig = text;
  tooBig.replace(firstDraw, text.find_first_of(" \n", firstDraw) - firstDraw, "1");
  EXPECT_TRUE(refused(tooBig));
}

// Random damage anywhere in the file never crashes the reader.
TEST(ReplayFile, RandomDamageNeverCrashes) {
  const std::string text = sampleText();
  SeededRandom rnd(5);
  for (int k = 0; k < 3000; ++k) {
    std::string damaged = text;
    const int edits = pick(rnd, 1, 4);
    for (int e = 0; e < edits; ++e) {
      const size_t at = static_cast<size_t>(rnd.next() * damaged.size());
      damaged[at] = static_cast<char>(pick(rnd, 0, 255));
    }
    const ReplayParse parse = parseReplay(damaged);
    EXPECT_TRUE(parse.recording || !parse.error.empty());
  }
}

// The folder keeps the newest 100; a damaged file is refused by name and left as it was.
TEST(ReplayFolder, KeepsTheNewestHundredAndRefusesDamage) {
  TempFolder dir;
  const GameFolder folder(dir.path());
  SeededRandom dolls(9);
  const DollRef a = randomDoll(dolls, "A");
  const DollRef b = randomDoll(dolls, "B");
  FightRecording recording = recordFight(*a, *b, kModeStreet, 1).recording;
  std::filesystem::path first;
  for (size_t k = 0; k < kReplaysKept + 3; ++k) {
    recording.steps = static_cast<int>(k);  // tells the files apart
    const std::filesystem::path file = saveReplay(folder, recording);
    ASSERT_FALSE(file.empty());
    if (k == 0) first = file;
  }
  const auto files = listReplays(folder);
  ASSERT_EQ(files.size(), kReplaysKept);
  EXPECT_FALSE(std::filesystem::exists(first));
  const ReplayParse newest = loadReplay(files.front());
  ASSERT_TRUE(newest.recording) << newest.error;
  EXPECT_EQ(newest.recording->steps, static_cast<int>(kReplaysKept) + 2);
  EXPECT_EQ(loadReplay(files.back()).recording->steps, 3);

  std::string bytes;
  ASSERT_TRUE(readBytes(files.back(), bytes));
  const std::string damaged = bytes.substr(0, bytes.size() / 2);
  dir.writeBytes("save/replays/" + files.back().filename().string(), damaged);
  const ReplayParse parse = loadReplay(files.back());
  EXPECT_FALSE(parse.recording);
  EXPECT_EQ(parse.error.find(files.back().filename().string()), 0u);
  ASSERT_TRUE(readBytes(files.back(), bytes));
  EXPECT_EQ(bytes, damaged);

  // Where the folder cannot be made, the recording is not kept and nothing else changes.
  TempFolder blocked;
  blocked.writeBytes("save/replays", "a file, not a folder");
  EXPECT_TRUE(saveReplay(GameFolder(blocked.path()), recording).empty());
  ASSERT_TRUE(readBytes(blocked.path() / "save" / "replays", bytes));
  EXPECT_EQ(bytes, "a file, not a folder");
}

// A fight handed to another player: the exported file reads back to the same fight, step for
// step; damage anywhere is refused naming the file and the line, counted from the file's own
// first line; and only a file that is an exported replay is ever written over.
TEST(ReplayExport, RoundTripsAndRefusesDamageNamingTheFile) {
  SeededRandom dolls(3);
  const DollRef a = randomDoll(dolls, "ヴェルコ");
  const DollRef b = randomDoll(dolls, "ブラム");
  const FightRecording recording = recordFight(*a, *b, kModeDuel, 17).recording;
  const std::string text = writeReplayExport(recording);
  EXPECT_EQ(text.substr(0, 22), "VELKO-REPLAY-EXPORT 1\n");
  const ReplayParse read = readReplayExport(text, "fight.velkoreplay");
  ASSERT_TRUE(read.recording) << read.error;
  EXPECT_EQ(formatReplay(*read.recording), formatReplay(recording));
  const FightInspection played = inspectFight(*read.recording);
  EXPECT_EQ(played.error, "");
  EXPECT_EQ(played.steps.size(), inspectFight(recording).steps.size());

  const auto refusal = [](const std::string& bytes) {
    const ReplayParse parse = readReplayExport(bytes, "fight.velkoreplay");
    EXPECT_FALSE(parse.recording);
    return parse.error;
  };
  const auto resigned = [](const std::string& bytes) {
    const std::string body = bytes.substr(0, bytes.rfind("check "));
    return body + "check " + dollShareChecksum(body) + "\n";
  };
  const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
  std::string flipped = text;
  flipped[text.size() / 2] ^= 0x01;
  EXPECT_EQ(refusal(flipped), "fight.velkoreplayが壊れています（" + std::to_string(lines) +
                                  "行目: チェックサムが合いません）");
  // Damage signed again is found by the replay's own reader, at the file's line.
  std::string mode = text;
  mode.replace(mode.find("mode 2"), 6, "mode 7");
  EXPECT_EQ(refusal(resigned(mode)).rfind("fight.velkoreplayが壊れています（3行目: ", 0), 0u);
  std::string trailing = text;
  trailing.insert(trailing.rfind("check "), "\n");
  EXPECT_NE(refusal(resigned(trailing)).find("行目: "), std::string::npos);
  std::string carriage = text;
  carriage.insert(carriage.find("\nmode"), "\r");
  EXPECT_EQ(refusal(resigned(carriage)).rfind("fight.velkoreplayが壊れています（2行目: ", 0), 0u);
  EXPECT_EQ(refusal(formatReplay(recording)),
            "fight.velkoreplayが壊れています（1行目: 書き出したリプレイファイルではありません）");
  EXPECT_NE(refusal("VELKO-REPLAY-EXPORT 2\n").find("版"), std::string::npos);
  for (size_t cut = 0; cut + 1 < text.size(); ++cut) {
    if (text[cut] != '\n' && cut % 97 != 0) continue;
    ASSERT_FALSE(readReplayExport(text.substr(0, cut), "f").recording) << "cut at " << cut;
  }

  TempFolder dir;
  const std::filesystem::path file = dir.path() / "fight.velkoreplay";
  EXPECT_EQ(saveReplayExport(file, recording), "");
  ASSERT_TRUE(openReplayExport(file).recording);
  EXPECT_EQ(saveReplayExport(file, recording), "");  // an export of its own is replaced
  dir.writeBytes("notes.velkoreplay", "the player's own notes\n");
  EXPECT_NE(saveReplayExport(dir.path() / "notes.velkoreplay", recording).find("notes.velkoreplay"),
            std::string::npos);
  std::string bytes;
  ASSERT_TRUE(readBytes(dir.path() / "notes.velkoreplay", bytes));
  EXPECT_EQ(bytes, "the player's own notes\n");
  EXPECT_EQ(openReplayExport(dir.path() / "notes.velkoreplay").error.rfind("notes.velkoreplay", 0),
            0u);
  EXPECT_EQ(openReplayExport(dir.path() / "missing.velkoreplay").error.rfind("missing", 0), 0u);
}

}  // namespace
}  // namespace velko::testing
