#include "replay/replay_file.h"
#include "core/shown_text.h"

#include <limits>
#include <memory>
#include <sstream>
#include <vector>

#include "core/numbers.h"
#include "data/files/keyed_lines.h"
#include "model/action.h"

namespace velko {

namespace {

// A fight is capped far below these; they keep a damaged count from asking for the moon.
constexpr size_t kMaxDraws = 2'000'000;
constexpr size_t kMaxChoices = 1'000'000;
constexpr int kMaxSteps = 100'000;
constexpr int kPerLine = 8;

// ---- writing ----

// A name stays on its line.
std::string oneLine(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

// The number of the action a slot runs: its ID when that is a basic action, else 0.
int actionNumber(int16_t id) {
  if (!isAction(id)) return kNoAction;
  return id;
}

void writeDoll(std::ostringstream& out, int index, const doll& d) {
  out << "doll " << index << "\n";
  out << "name " << oneLine(d.name) << "\n";
  out << "picture " << oneLine(d.image) << "\n";
  out << "numbers " << d.ID << ' ' << d.ownerID << ' ' << d.pow << ' ' << d.offence << ' '
      << d.defence << ' ' << d.move << ' ' << d.jump << ' ' << d.spin << ' ' << d.AP << ' '
      << d.Memory << ' ' << d.value << ' ' << d.junkParts << ' ' << (d.programed ? 1 : 0) << "\n";
  out << "reals " << shortestReal(d.AC) << ' ' << shortestReal(d.weight) << "\n";
  const Motor& m = *d.Motor;
  out << "motor " << m.ID << ' ' << m.pow << ' ' << m.Rl << ' ' << m.HP << ' ' << m.maxHP << ' '
      << m.weight << ' ' << oneLine(m.name) << "\n";
  const DollFrame& f = *d.frame;
  out << "frame " << f.ID << ' ' << f.offence << ' ' << f.defence << ' ' << f.move << ' ' << f.jump
      << ' ' << f.spin << ' ' << f.Rl << ' ' << f.HP << ' ' << f.maxHP << ' ' << f.weight << ' '
      << oneLine(f.name) << "\n";
  for (int slot = 0; slot < doll::kLogicSlots; ++slot) {
    // Every slot has its line, so a file never lacks a pattern its Doll holds.
    const Logic blank;
    const Logic* p = d.getLogic(slot) ? d.getLogic(slot).get() : &blank;
    out << "pattern " << slot << ' ' << p->dollID << ' ' << p->ID << ' ' << p->AP << ' '
        << p->Memory;
    for (int a = 0; a < Logic::kSlots; ++a) {
      const Action& action = *p->getActions(a);
      out << ' ' << action.ID << ':' << actionNumber(action.ID) << ':' << action.AP << ':'
          << action.Memory;
    }
    out << ' ' << oneLine(p->name) << "\n";
  }
  out << "end doll\n";
}

char kindLetter(const RecordedChoice& c) {
  return c.kind == RecordedChoice::Kind::Pattern ? 'p' : 'm';
}

// ---- reading ----

using Lines = KeyedLines;
using Fields = KeyedFields;

ActionRef readAction(std::string_view token, const Lines& lines) {
  std::string spaced(token);
  for (char& c : spaced) {
    if (c == ':') c = ' ';
  }
  Fields f(spaced, lines);
  auto action = newAction();
  action->ID = f.i16();
  const int nameNo = f.integer<int>(0, kHazusi);
  // The fight runs on the ID; a name that says otherwise is not the game's own file.
  if (nameNo != actionNumber(action->ID)) lines.fail(shown("動作のIDと名前が合いません"));
  action->name = actionName(nameNo);
  action->AP = f.i16();
  action->Memory = f.i16();
  f.finish();
  return action;
}

// The slots come in order, each once, as they are written.
void readPattern(Fields& f, const Lines& lines, doll& d, int slot) {
  if (f.integer<int>(0, doll::kLogicSlots - 1) != slot)
    lines.fail(shown("パターンの番号が順に並んでいません"));
  auto p = std::make_shared<Logic>();
  p->dollID = f.i16();
  p->ID = f.i16();
  p->AP = f.i16();
  p->Memory = f.i16();
  for (int a = 0; a < Logic::kSlots; ++a)
    p->setAction(readAction(f.word(), lines), a);
  p->name = f.rest();
  d.setLogics(std::move(p), slot);
}

DollRef readDoll(Lines& lines, int index) {
  Fields head(lines.keyed("doll"), lines);
  if (head.integer<int>(0, 1) != index) lines.fail(shown("Dollの番号が違います"));
  head.finish();
  auto d = std::make_shared<doll>();
  d->name = std::string(lines.keyed("name"));
  d->image = std::string(lines.keyed("picture"));
  Fields n(lines.keyed("numbers"), lines);
  n.i16s({&d->ID, &d->ownerID, &d->pow, &d->offence, &d->defence, &d->move, &d->jump, &d->spin,
          &d->AP, &d->Memory, &d->value, &d->junkParts});
  d->programed = n.integer<int>(0, 1) == 1;
  n.finish();
  Fields r(lines.keyed("reals"), lines);
  d->AC = r.number();
  d->weight = r.number();
  r.finish();
  Motor& motor = *d->Motor;
  Fields m(lines.keyed("motor"), lines);
  m.i16s({&motor.ID, &motor.pow, &motor.Rl, &motor.HP, &motor.maxHP, &motor.weight});
  motor.name = m.rest();
  DollFrame& frame = *d->frame;
  Fields f(lines.keyed("frame"), lines);
  f.i16s({&frame.ID, &frame.offence, &frame.defence, &frame.move, &frame.jump, &frame.spin,
          &frame.Rl, &frame.HP, &frame.maxHP, &frame.weight});
  frame.name = f.rest();
  for (int slot = 0; slot < doll::kLogicSlots; ++slot) {
    Fields p(lines.keyed("pattern"), lines);
    readPattern(p, lines, *d, slot);
  }
  lines.expect("end doll");
  return d;
}

size_t readCount(Lines& lines, std::string_view key, size_t limit) {
  Fields f(lines.keyed(key), lines);
  const auto count = f.integer<long>(0, static_cast<long>(limit));
  f.finish();
  return static_cast<size_t>(count);
}

void readDraws(Lines& lines, std::vector<double>& draws) {
  const size_t count = readCount(lines, "draws", kMaxDraws);
  while (draws.size() < count) {
    Fields f(lines.next(), lines);
    for (int k = 0; k < kPerLine && draws.size() < count; ++k) {
      const double r = f.number();
      if (!(r >= 0.0 && r < 1.0)) lines.fail(shown("乱数が0以上1未満ではありません"));
      draws.push_back(r);
    }
    f.finish();
  }
}

RecordedChoice readChoice(std::string_view token, const Lines& lines) {
  if (token.size() < 4 || (token[0] != 'p' && token[0] != 'm') ||
      (token[1] != '0' && token[1] != '1') || token[2] != ':')
    lines.fail(fill(shown("選択「%1」が読めません"), {std::string(token)}));
  RecordedChoice choice;
  choice.kind = token[0] == 'p' ? RecordedChoice::Kind::Pattern : RecordedChoice::Kind::Move;
  choice.fighter = static_cast<int8_t>(token[1] - '0');
  Fields f(token.substr(3), lines);
  choice.value = choice.kind == RecordedChoice::Kind::Pattern
                     ? f.integer<int16_t>(kChoseEmpty, doll::kLogicSlots - 1)
                     : f.i16();
  return choice;
}

void readChoices(Lines& lines, std::vector<RecordedChoice>& choices) {
  const size_t count = readCount(lines, "choices", kMaxChoices);
  while (choices.size() < count) {
    Fields f(lines.next(), lines);
    for (int k = 0; k < 2 * kPerLine && choices.size() < count; ++k)
      choices.push_back(readChoice(f.word(), lines));
    f.finish();
  }
}

FightRecording readRecording(std::string_view bytes, KeyedFormat format) {
  Lines lines(bytes, std::move(format));
  const std::string_view header = lines.atEnd() ? std::string_view() : lines.next();
  const std::string magic = std::string(kReplayMagic) + " ";
  if (header.substr(0, magic.size()) != magic)
    throw KeyedLinesError(shown("リプレイファイルではありません"));
  Fields version(header.substr(magic.size()), lines);
  if (version.integer<long>(0, std::numeric_limits<int>::max()) != kReplayVersion ||
      !version.atEnd())
    throw KeyedLinesError(fill(shown("このリプレイファイルの版（%1）には対応していません"),
                               {std::string(header.substr(magic.size()))}));
  FightRecording rec;
  Fields mode(lines.keyed("mode"), lines);
  rec.mode = mode.integer<int16_t>(kModeStreet, kModeDuel);
  mode.finish();
  Fields steps(lines.keyed("steps"), lines);
  rec.steps = steps.integer<int>(0, kMaxSteps);
  steps.finish();
  Fields winner(lines.keyed("winner"), lines);
  rec.winner = winner.integer<int16_t>(kNoWinner, 1);
  winner.finish();
  Fields start(lines.keyed("start"), lines);
  rec.turnStep = start.integer<int16_t>(kTurnStart, kFighter1Acts);
  if (rec.turnStep != kTurnStart && rec.turnStep != kFighter0Acts && rec.turnStep != kFighter1Acts)
    lines.fail(shown("手番が0, 3, 4のどれでもありません"));
  rec.sente = start.integer<int16_t>(0, kSenteTie);
  rec.playAP = start.i16();
  start.finish();
  rec.fighters = {readDoll(lines, 0), readDoll(lines, 1)};
  readDraws(lines, rec.draws);
  readChoices(lines, rec.choices);
  lines.expect("end");
  while (!lines.atEnd()) {
    if (!lines.next().empty()) lines.fail(shown("「end」の後に余分な行があります"));
  }
  return rec;
}

}  // namespace

std::string formatReplay(const FightRecording& recording) {
  std::ostringstream out;
  out << kReplayMagic << ' ' << kReplayVersion << "\n";
  out << "mode " << recording.mode << "\n";
  out << "steps " << recording.steps << "\n";
  out << "winner " << recording.winner << "\n";
  out << "start " << recording.turnStep << ' ' << recording.sente << ' ' << recording.playAP
      << "\n";
  for (int i = 0; i < 2; ++i)
    writeDoll(out, i, *recording.fighters[i]);
  out << "draws " << recording.draws.size() << "\n";
  for (size_t k = 0; k < recording.draws.size(); ++k)
    out << shortestReal(recording.draws[k])
        << ((k + 1) % kPerLine == 0 || k + 1 == recording.draws.size() ? "\n" : " ");
  out << "choices " << recording.choices.size() << "\n";
  for (size_t k = 0; k < recording.choices.size(); ++k) {
    const RecordedChoice& c = recording.choices[k];
    out << kindLetter(c) << static_cast<int>(c.fighter) << ':' << c.value
        << ((k + 1) % (2 * kPerLine) == 0 || k + 1 == recording.choices.size() ? "\n" : " ");
  }
  out << "end\n";
  return out.str();
}

ReplayParse parseReplay(std::string_view bytes) {
  return parseReplay(bytes, QT_TRID_NOOP("リプレイファイル"), 0);
}

ReplayParse parseReplay(std::string_view bytes, const std::string& fileName, size_t linesBefore) {
  ReplayParse parse;
  try {
    parse.recording = readRecording(bytes, KeyedFormat{fileName, true, true, false, linesBefore});
  } catch (const std::exception& refusal) {
    parse.error = refusal.what();
  }
  return parse;
}

}  // namespace velko
