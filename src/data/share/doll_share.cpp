#include "data/share/doll_share.h"
#include "core/shown_text.h"

#include <array>
#include <cstdio>
#include <exception>
#include <optional>
#include <vector>

#include "core/numbers.h"
#include "core/silent_prompter.h"
#include "core/text_cp932.h"
#include "data/files/keyed_lines.h"
#include "data/save/slot_doll_file.h"
#include "data/save/slot_load.h"
#include "model/action_factories.h"
#include "model/doll_stats.h"

namespace velko {

namespace {

// The lines of a version 1 file, in order, before the six patterns and the checksum.
constexpr int kHeadLines = 9;
constexpr int kFileLines = kHeadLines + kDollSharePatterns + 1;

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

// Doll files hold printable text only, every line ended by a line feed.
KeyedFormat dollFileFormat() {
  return KeyedFormat{QT_TRID_NOOP("Dollファイル"), false, false, true};
}

// The game's names go into CP932 files and labels: a name they cannot hold is refused here.
void checkName(const std::string& name, int at) {
  if (name.size() > kDollShareMaxName)
    refuse(fill(shown("名前が長すぎます（%1行目）"), {std::to_string(at)}));
  try {
    utf8ToCp932(name);
  } catch (const EncodingError&) {
    refuse(fill(shown("名前に使えない文字があります（%1行目）"), {std::to_string(at)}));
  }
}

struct StatedStats {
  std::array<int16_t, 6> ints{};  // pow, offence, defence, move, jump, spin
  double AC = 0;
  int16_t AP = 0, memory = 0;
  double weight = 0;
  int16_t value = 0;
};

StatedStats parseStats(KeyedLines& lines) {
  KeyedFields f(lines.keyed("stats"), lines);
  StatedStats s;
  for (int16_t& value : s.ints)
    value = f.i16();
  s.AC = f.number();
  s.AP = f.i16();
  s.memory = f.i16();
  s.weight = f.number();
  s.value = f.i16();
  f.finish();
  return s;
}

// "key n n ..." with exactly `count` integers within 16 bits.
std::vector<int16_t> numbers(KeyedLines& lines, std::string_view key, size_t count) {
  KeyedFields f(lines.keyed(key), lines);
  std::vector<int16_t> values;
  while (values.size() < count)
    values.push_back(f.i16());
  f.finish();
  return values;
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

LogicRef parsePattern(KeyedLines& lines, const doll& target, long& totalMemory) {
  KeyedFields f(lines.keyed("pattern"), lines);
  const int16_t ap = f.i16();
  const int16_t memory = f.i16();
  std::array<int16_t, Logic::kSlots> ids{};
  for (int16_t& id : ids)
    id = f.i16();
  const std::string name = f.rest();
  const int at = static_cast<int>(lines.lineNumber());
  checkName(name, at);
  auto logic = std::make_shared<Logic>();
  logic->name = name;
  SilentPrompter quiet;
  bool ended = false;
  for (int k = 0; k < Logic::kSlots; ++k) {
    const int16_t id = ids[k];
    if (id < kNoAction || id > kHazusi)
      refuse(fill(shown("存在しない基本行動が含まれています（%1行目）"), {std::to_string(at)}));
    if (id == kNoAction) {
      ended = true;
      continue;
    }
    // The editor refuses a pattern with a gap; so does the file.
    if (ended)
      refuse(fill(shown("行動パターンが左寄せになっていません（%1行目）"), {std::to_string(at)}));
    logic->addAction(workshopAction(target, id), quiet);
  }
  if (logic->getTotalAP() != ap || logic->getTotalMem() != memory)
    refuse(fill(shown("行動パターンの行動力やメモリが、ソフトから計算した値と合いません（%1行目）"),
                {std::to_string(at)}));
  totalMemory += logic->Memory;
  return logic;
}

DollImport readChecked(const GameFolder& folder, std::string_view bytes) {
  if (bytes.size() > kDollShareMaxBytes) refuse(dollShareTooLarge());
  const std::string magic = std::string(kDollShareMagic) + " ";
  if (bytes.substr(0, magic.size()) != magic) refuse(shown("Dollファイルではありません"));
  KeyedLines lines(bytes, dollFileFormat());
  KeyedFields version(lines.keyed(kDollShareMagic), lines);
  const int16_t fileVersion = version.i16();
  version.finish();
  if (fileVersion != kDollShareVersion)
    refuse(fill(shown("この版（%1）のDollファイルには対応していません"),
                {std::to_string(fileVersion)}));
  if (lines.size() != static_cast<size_t>(kFileLines))
    refuse(fill(shown("ファイルが壊れています（行の数が%1ではありません）"),
                {std::to_string(kFileLines)}));

  // The checksum covers every byte before its own line.
  const size_t checkStart = bytes.rfind('\n', bytes.size() - 2) + 1;
  const std::string_view signedPart = bytes.substr(0, checkStart);
  if (bytes.substr(checkStart) != "check " + dollShareChecksum(signedPart) + "\n")
    refuse(shown("チェックサムが合いません。ファイルが壊れているか、書き換えられています"));

  KeyedFields pilotLine(lines.keyed("pilot"), lines);
  const int16_t skill = pilotLine.i16();
  const std::string pilotName = pilotLine.rest();
  checkName(pilotName, 2);
  if (skill < 0 || skill > kDollShareMaxSkill) refuse(shown("操作能力の値が正しくありません"));
  const std::string dollName(lines.keyed("doll"));
  checkName(dollName, 3);

  DollFile f;
  f.name = dollName;
  const std::vector<int16_t> parts = numbers(lines, "mounted", 6);
  f.motor = parts[0];
  f.frame = parts[1];
  f.hard = parts[2];
  f.softM[0] = parts[3];
  f.softA[0] = parts[4];
  f.softD[0] = parts[5];
  const std::vector<int16_t> boosters = numbers(lines, "boosters", f.boosters.size());
  std::copy(boosters.begin(), boosters.end(), f.boosters.begin());
  const std::vector<int16_t> protectors = numbers(lines, "protectors", f.protectors.size());
  std::copy(protectors.begin(), protectors.end(), f.protectors.begin());
  for (int16_t id : parts)
    if (id < 0) refuse(shown("カタログにないパーツが含まれています"));
  for (int16_t id : boosters)
    if (id < 0) refuse(shown("カタログにないパーツが含まれています"));
  for (int16_t id : protectors)
    if (id < 0) refuse(shown("カタログにないパーツが含まれています"));
  const std::vector<int16_t> hp = numbers(lines, "hp", 2);
  f.motorHP = hp[0];
  f.frameHP = hp[1];
  KeyedFields programmed(lines.keyed("programmed"), lines);
  f.programed = programmed.integer<int>(0, 1) == 1;
  programmed.finish();
  const StatedStats stated = parseStats(lines);

  DollRef built;
  SilentPrompter quiet;
  try {
    built = buildDoll(folder, f, quiet);
  } catch (const std::exception& fault) {
    refuse(fill(shown("カタログを読めません：%1"), {fault.what()}));
  }
  if (!samePartIds(dollFileOf(*built), f))
    refuse(shown("カタログにないか、組み付けられないパーツが含まれています"));
  if (f.motor == 0 || f.frame == 0 || f.hard == 0 || f.motorHP < 1 || f.frameHP < 1)
    refuse(shown("このドールは完成されていません"));
  if (f.motorHP > built->Motor->maxHP || f.frameHP > built->frame->maxHP)
    refuse(shown("ヒットポイントがパーツの値を超えています"));
  // Patterns take their costs from the Doll's own three programs.
  if (!f.programed || f.softM[0] == 0 || f.softA[0] == 0 || f.softD[0] == 0)
    refuse(shown("このドールは技がプログラムされていません"));

  // The money a fresh record rolls is not the file's business: the roll is fixed.
  auto pilot = std::make_shared<Owner>();
  pilot->name = pilotName;
  pilot->skillPlay = skill;
  resetDollParam(*built, *pilot);
  if (!sameStats(*built, stated)) refuse(shown("能力値がパーツから計算した値と合いません"));

  long totalMemory = 0;
  std::array<LogicRef, kDollSharePatterns> patterns;
  for (int p = 0; p < kDollSharePatterns; ++p) {
    patterns[p] = parsePattern(lines, *built, totalMemory);
    patterns[p]->ID = static_cast<int16_t>(p + 1);
  }
  if (totalMemory > built->Memory) refuse(shown("メモリが足りません"));
  for (int p = 0; p < kDollSharePatterns; ++p)
    built->setLogics(patterns[p], p);
  return DollImport{pilot, built, ""};
}

}  // namespace

std::string dollShareTooLarge() {
  return fill(shown("ファイルが大きすぎます（%1バイトまで）"),
              {std::to_string(kDollShareMaxBytes)});
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

std::string checkedText(const std::string& body) {
  return body + "check " + dollShareChecksum(body) + "\n";
}

std::string writeDollShare(const Owner& pilot, const doll& d) {
  const doll r = recomputed(d, pilot);
  const DollFile f = dollFileOf(r);
  std::string body = std::string(kDollShareMagic) + " " + std::to_string(kDollShareVersion) + "\n";
  body += "pilot " + std::to_string(pilot.skillPlay) + " " + pilot.name + "\n";
  body += "doll " + r.name + "\n";
  body += "mounted" + numberFields({f.motor, f.frame, f.hard, f.softM[0], f.softA[0], f.softD[0]}) +
          "\n";
  body += "boosters" + numberFields({f.boosters.begin(), f.boosters.end()}) + "\n";
  body += "protectors" + numberFields({f.protectors.begin(), f.protectors.end()}) + "\n";
  body += "hp" + numberFields({f.motorHP, f.frameHP}) + "\n";
  body += "programmed" + numberFields({f.programed ? 1 : 0}) + "\n";
  body += "stats" + numberFields({r.pow, r.offence, r.defence, r.move, r.jump, r.spin}) + " " +
          shortestReal(r.AC) + numberFields({r.AP, r.Memory}) + " " + shortestReal(r.weight) +
          numberFields({r.value}) + "\n";
  for (int p = 0; p < kDollSharePatterns; ++p) {
    Logic pattern = *r.getLogic(p);
    std::vector<long> values = {pattern.getTotalAP(), pattern.getTotalMem()};
    for (int k = 0; k < Logic::kSlots; ++k)
      values.push_back(pattern.getActions(k)->ID);
    body += "pattern" + numberFields(values) + " " + pattern.name + "\n";
  }
  return checkedText(body);
}

DollImport readDollShare(const GameFolder& folder, std::string_view bytes) {
  try {
    return readChecked(folder, bytes);
  } catch (const Refusal& refusal) {
    return DollImport{nullptr, nullptr, refusal.reason};
  } catch (const KeyedLinesError& damage) {
    return DollImport{nullptr, nullptr, damage.what()};
  } catch (const std::exception& fault) {
    return DollImport{nullptr, nullptr, fill(shown("読み込めません：%1"), {fault.what()})};
  }
}

}  // namespace velko
