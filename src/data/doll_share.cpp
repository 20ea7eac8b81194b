#include "data/doll_share.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <exception>
#include <optional>
#include <vector>

#include "battle/headless_seams.h"
#include "core/random.h"
#include "core/text_cp932.h"
#include "data/slot_doll_file.h"
#include "data/slot_load.h"
#include "model/action_factories.h"
#include "model/doll_stats.h"

namespace velko {

namespace {

// The lines of a version 1 file, in order, before the six patterns and the checksum.
constexpr int kHeadLines = 9;
constexpr int kFileLines = kHeadLines + kDollSharePatterns + 1;

std::string real(double v) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
  return std::string(buffer.data(), result.ptr);
}

std::string joined(const std::vector<long>& numbers) {
  std::string text;
  for (long n : numbers)
    text += " " + std::to_string(n);
  return text;
}

// A copy of the Doll as the workshop recomputes it, so the file states what a reader gets.
doll recomputed(const doll& d, const Owner& pilot) {
  doll copy = d;
  resetDollParam(copy, pilot);
  return copy;
}

struct Refusal {
  std::string reason;
};

[[noreturn]] void refuse(const std::string& reason) {
  throw Refusal{reason};
}

[[noreturn]] void damaged(int line) {
  refuse("ファイルが壊れています（" + std::to_string(line) + "行目）");
}

// Printable UTF-8 without control characters; lines end with a line feed only.
bool plainUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      if ((c < 0x20 && c != '\n') || c == 0x7f) return false;
      ++i;
      continue;
    }
    int more = 0;
    uint32_t code = 0;
    if ((c & 0xe0) == 0xc0) {
      more = 1;
      code = c & 0x1f;
    } else if ((c & 0xf0) == 0xe0) {
      more = 2;
      code = c & 0x0f;
    } else if ((c & 0xf8) == 0xf0) {
      more = 3;
      code = c & 0x07;
    } else {
      return false;
    }
    if (i + more >= bytes.size()) return false;
    for (int k = 1; k <= more; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xc0) != 0x80) return false;
      code = (code << 6) | (next & 0x3f);
    }
    const uint32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (code < least[more] || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return false;
    i += more + 1;
  }
  return true;
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// "key n n n ..." with exactly `count` integers within 16 bits; the rest of the line after
// them, if `rest` is given, is returned there (one blank separates it).
std::vector<int16_t> numbers(std::string_view line, std::string_view key, size_t count, int at,
                             std::string* rest = nullptr) {
  if (line.substr(0, key.size()) != key) damaged(at);
  std::string_view tail = line.substr(key.size());
  std::vector<int16_t> values;
  while (values.size() < count) {
    if (tail.empty() || tail[0] != ' ') damaged(at);
    tail.remove_prefix(1);
    const size_t end = std::min(tail.find(' '), tail.size());
    const std::string_view token = tail.substr(0, end);
    int value = 0;
    const auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    if (token.empty() || result.ec != std::errc() || result.ptr != token.data() + token.size() ||
        value < -32768 || value > 32767)
      damaged(at);
    // Only as the writer spells it ("7", not "07" or "-0"): an accepted file is its Doll's.
    if (token != std::to_string(value)) damaged(at);
    values.push_back(static_cast<int16_t>(value));
    tail.remove_prefix(end);
  }
  if (rest) {
    if (tail.empty() || tail[0] != ' ') damaged(at);  // an empty name still has its blank
    *rest = std::string(tail.substr(1));
  } else if (!tail.empty()) {
    damaged(at);
  }
  return values;
}

std::string textAfter(std::string_view line, std::string_view key, int at) {
  if (line.substr(0, key.size()) != key) damaged(at);
  std::string_view tail = line.substr(key.size());
  if (tail.empty() || tail[0] != ' ') damaged(at);
  return std::string(tail.substr(1));
}

// The game's names go into CP932 files and labels: a name they cannot hold is refused here.
void checkName(const std::string& name, int at) {
  if (name.size() > kDollShareMaxName) refuse("名前が長すぎます（" + std::to_string(at) + "行目）");
  try {
    utf8ToCp932(name);
  } catch (const EncodingError&) {
    refuse("名前に使えない文字があります（" + std::to_string(at) + "行目）");
  }
}

double realAt(std::string_view token, int at) {
  double value = 0;
  const auto result = std::from_chars(token.data(), token.data() + token.size(), value);
  if (token.empty() || result.ec != std::errc() || result.ptr != token.data() + token.size() ||
      token != real(value))
    damaged(at);
  return value;
}

struct StatedStats {
  std::array<int16_t, 6> ints{};  // pow, offence, defence, move, jump, spin
  double AC = 0;
  int16_t AP = 0, memory = 0;
  double weight = 0;
  int16_t value = 0;
};

StatedStats parseStats(std::string_view line, int at) {
  const std::string_view key = "stats";
  if (line.substr(0, key.size()) != key) damaged(at);
  std::vector<std::string_view> tokens;
  std::string_view tail = line.substr(key.size());
  while (!tail.empty()) {
    if (tail[0] != ' ') damaged(at);
    tail.remove_prefix(1);
    const size_t end = std::min(tail.find(' '), tail.size());
    tokens.push_back(tail.substr(0, end));
    tail.remove_prefix(end);
  }
  if (tokens.size() != 11) damaged(at);
  StatedStats s;
  auto int16At = [&](size_t k) {
    const std::string rebuilt = "n " + std::string(tokens[k]);
    return numbers(rebuilt, "n", 1, at)[0];
  };
  for (size_t k = 0; k < 6; ++k)
    s.ints[k] = int16At(k);
  s.AC = realAt(tokens[6], at);
  s.AP = int16At(7);
  s.memory = int16At(8);
  s.weight = realAt(tokens[9], at);
  s.value = int16At(10);
  return s;
}

bool sameStats(const doll& d, const StatedStats& s) {
  const std::array<int16_t, 6> ints = {d.pow, d.offence, d.defence, d.move, d.jump, d.spin};
  return ints == s.ints && d.AC == s.AC && d.AP == s.AP && d.Memory == s.memory &&
         d.weight == s.weight && d.value == s.value;
}

// The part IDs a rebuilt Doll really carries must be the file's: a missing catalogue entry
// comes back blank (ID 0), a second booster of one name does not mount.
bool samePartIds(const DollFile& built, const DollFile& file) {
  return built.motor == file.motor && built.frame == file.frame && built.hard == file.hard &&
         built.boosters == file.boosters && built.protectors == file.protectors &&
         built.softM[0] == file.softM[0] && built.softA[0] == file.softA[0] &&
         built.softD[0] == file.softD[0];
}

LogicRef parsePattern(std::string_view line, int at, const doll& target, long& totalMemory) {
  std::string name;
  const std::vector<int16_t> v = numbers(line, "pattern", 2 + Logic::kSlots, at, &name);
  checkName(name, at);
  auto logic = std::make_shared<Logic>();
  logic->name = name;
  SilentPrompter quiet;
  bool ended = false;
  for (int k = 0; k < Logic::kSlots; ++k) {
    const int16_t id = v[2 + k];
    if (id < kNoAction || id > kHazusi)
      refuse("存在しない基本行動が含まれています（" + std::to_string(at) + "行目）");
    if (id == kNoAction) {
      ended = true;
      continue;
    }
    // The editor refuses a pattern with a gap; so does the file.
    if (ended) refuse("行動パターンが左寄せになっていません（" + std::to_string(at) + "行目）");
    logic->addAction(workshopAction(target, id), quiet);
  }
  if (logic->getTotalAP() != v[0] || logic->getTotalMem() != v[1])
    refuse("行動パターンの行動力やメモリが、ソフトから計算した値と合いません（" +
           std::to_string(at) + "行目）");
  totalMemory += logic->Memory;
  return logic;
}

DollImport readChecked(const GameFolder& folder, std::string_view bytes) {
  if (bytes.size() > kDollShareMaxBytes) refuse(dollShareTooLarge());
  const std::string magic = std::string(kDollShareMagic) + " ";
  if (bytes.substr(0, magic.size()) != magic) refuse("Dollファイルではありません");
  if (!plainUtf8(bytes)) refuse("ファイルが壊れています（文字として読めないバイトがあります）");
  if (bytes.back() != '\n') refuse("ファイルの終わりが壊れています");
  const std::vector<std::string_view> lines = splitLines(bytes);
  const std::vector<int16_t> version = numbers(lines[0], kDollShareMagic, 1, 1);
  if (version[0] != kDollShareVersion)
    refuse("この版（" + std::to_string(version[0]) + "）のDollファイルには対応していません");
  if (lines.size() != static_cast<size_t>(kFileLines))
    refuse("ファイルが壊れています（行の数が" + std::to_string(kFileLines) + "ではありません）");

  // The checksum covers every byte before its own line.
  const std::string_view checkLine = lines.back();
  const std::string_view signedPart = bytes.substr(0, bytes.size() - checkLine.size() - 1);
  if (checkLine != "check " + dollShareChecksum(signedPart))
    refuse("チェックサムが合いません。ファイルが壊れているか、書き換えられています");

  std::string pilotName;
  const int16_t skill = numbers(lines[1], "pilot", 1, 2, &pilotName)[0];
  checkName(pilotName, 2);
  if (skill < 0 || skill > kDollShareMaxSkill) refuse("操作能力の値が正しくありません");
  const std::string dollName = textAfter(lines[2], "doll", 3);
  checkName(dollName, 3);

  DollFile f;
  f.name = dollName;
  const std::vector<int16_t> parts = numbers(lines[3], "mounted", 6, 4);
  f.motor = parts[0];
  f.frame = parts[1];
  f.hard = parts[2];
  f.softM[0] = parts[3];
  f.softA[0] = parts[4];
  f.softD[0] = parts[5];
  const std::vector<int16_t> boosters = numbers(lines[4], "boosters", f.boosters.size(), 5);
  std::copy(boosters.begin(), boosters.end(), f.boosters.begin());
  const std::vector<int16_t> protectors = numbers(lines[5], "protectors", f.protectors.size(), 6);
  std::copy(protectors.begin(), protectors.end(), f.protectors.begin());
  for (int16_t id : parts)
    if (id < 0) refuse("カタログにないパーツが含まれています");
  for (int16_t id : boosters)
    if (id < 0) refuse("カタログにないパーツが含まれています");
  for (int16_t id : protectors)
    if (id < 0) refuse("カタログにないパーツが含まれています");
  const std::vector<int16_t> hp = numbers(lines[6], "hp", 2, 7);
  f.motorHP = hp[0];
  f.frameHP = hp[1];
  const int16_t programmed = numbers(lines[7], "programmed", 1, 8)[0];
  if (programmed != 0 && programmed != 1) damaged(8);
  f.programed = programmed == 1;
  const StatedStats stated = parseStats(lines[8], 9);

  DollRef built;
  SilentPrompter quiet;
  try {
    built = buildDoll(folder, f, quiet);
  } catch (const std::exception& fault) {
    refuse(std::string("カタログを読めません：") + fault.what());
  }
  if (!samePartIds(dollFileOf(*built), f))
    refuse("カタログにないか、組み付けられないパーツが含まれています");
  if (f.motor == 0 || f.frame == 0 || f.hard == 0 || f.motorHP < 1 || f.frameHP < 1)
    refuse("このドールは完成されていません");
  if (f.motorHP > built->Motor->maxHP || f.frameHP > built->frame->maxHP)
    refuse("ヒットポイントがパーツの値を超えています");
  // Patterns take their costs from the Doll's own three programs.
  if (!f.programed || f.softM[0] == 0 || f.softA[0] == 0 || f.softD[0] == 0)
    refuse("このドールは技がプログラムされていません");

  // The money a fresh record rolls is not the file's business: the roll is fixed.
  ClockRandom fixedRoll(1);
  auto pilot = std::make_shared<Owner>(fixedRoll);
  pilot->name = pilotName;
  pilot->skillPlay = skill;
  resetDollParam(*built, *pilot);
  if (!sameStats(*built, stated)) refuse("能力値がパーツから計算した値と合いません");

  long totalMemory = 0;
  std::array<LogicRef, kDollSharePatterns> patterns;
  for (int p = 0; p < kDollSharePatterns; ++p) {
    patterns[p] = parsePattern(lines[kHeadLines + p], kHeadLines + p + 1, *built, totalMemory);
    patterns[p]->ID = static_cast<int16_t>(p + 1);
  }
  if (totalMemory > built->Memory) refuse("メモリが足りません");
  for (int p = 0; p < kDollSharePatterns; ++p)
    built->setLogics(patterns[p], p);
  return DollImport{pilot, built, ""};
}

}  // namespace

std::string dollShareTooLarge() {
  return "ファイルが大きすぎます（" + std::to_string(kDollShareMaxBytes) + "バイトまで）";
}

std::string dollShareChecksum(std::string_view bytes) {
  uint32_t hash = 2166136261u;
  for (char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  std::array<char, 9> text{};
  std::snprintf(text.data(), text.size(), "%08x", hash);
  return std::string(text.data(), 8);
}

std::string writeDollShare(const Owner& pilot, const doll& d) {
  const doll r = recomputed(d, pilot);
  const DollFile f = dollFileOf(r);
  std::string body = std::string(kDollShareMagic) + " " + std::to_string(kDollShareVersion) + "\n";
  body += "pilot " + std::to_string(pilot.skillPlay) + " " + pilot.name + "\n";
  body += "doll " + r.name + "\n";
  body += "mounted" + joined({f.motor, f.frame, f.hard, f.softM[0], f.softA[0], f.softD[0]}) + "\n";
  body += "boosters" + joined({f.boosters.begin(), f.boosters.end()}) + "\n";
  body += "protectors" + joined({f.protectors.begin(), f.protectors.end()}) + "\n";
  body += "hp" + joined({f.motorHP, f.frameHP}) + "\n";
  body += "programmed" + joined({f.programed ? 1 : 0}) + "\n";
  body += "stats" + joined({r.pow, r.offence, r.defence, r.move, r.jump, r.spin}) + " " +
          real(r.AC) + joined({r.AP, r.Memory}) + " " + real(r.weight) + joined({r.value}) + "\n";
  for (int p = 0; p < kDollSharePatterns; ++p) {
    Logic pattern = *r.getLogic(p);
    std::vector<long> values = {pattern.getTotalAP(), pattern.getTotalMem()};
    for (int k = 0; k < Logic::kSlots; ++k)
      values.push_back(pattern.getActions(k)->ID);
    body += "pattern" + joined(values) + " " + pattern.name + "\n";
  }
  return body + "check " + dollShareChecksum(body) + "\n";
}

DollImport readDollShare(const GameFolder& folder, std::string_view bytes) {
  try {
    return readChecked(folder, bytes);
  } catch (const Refusal& refusal) {
    return DollImport{nullptr, nullptr, refusal.reason};
  } catch (const std::exception& fault) {
    return DollImport{nullptr, nullptr, std::string("読み込めません：") + fault.what()};
  }
}

}  // namespace velko
