#include "data/replay_file.h"

#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <memory>
#include <sstream>
#include <vector>

#include "model/action.h"

namespace velko {

namespace {

// A fight is capped far below these; they keep a damaged count from asking for the moon.
constexpr size_t kMaxDraws = 2'000'000;
constexpr size_t kMaxChoices = 1'000'000;
constexpr int kMaxSteps = 100'000;
constexpr int kPerLine = 8;

// ---- writing ----

std::string real(double v) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, v);
  return std::string(text, result.ptr);
}

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
  out << "reals " << real(d.AC) << ' ' << real(d.weight) << "\n";
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

class Refusal : public std::exception {
 public:
  explicit Refusal(std::string text) : text_(std::move(text)) {}
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  std::string text_;
};

bool validUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    int extra = 0;
    if (c < 0x80) {
      extra = 0;
    } else if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
    } else {
      return false;
    }
    if (i + extra >= s.size() && extra > 0) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(s[i + k]);
      if ((next & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

class Lines {
 public:
  explicit Lines(std::string_view text) {
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      lines_.push_back(line);
      start = end + 1;
    }
  }

  [[noreturn]] void fail(const std::string& what) const {
    throw Refusal("リプレイファイルが壊れています（" + std::to_string(pos_) + "行目: " + what +
                  "）");
  }

  bool atEnd() const { return pos_ >= lines_.size(); }

  std::string_view next() {
    if (atEnd()) {
      ++pos_;
      fail("ファイルが途中で終わっています");
    }
    const std::string_view line = lines_[pos_++];
    // A CR only before the LF: one inside a name would be written again as a blank.
    if (line.find('\r') != std::string_view::npos) fail("行の途中に改行文字があります");
    return line;
  }

  // The next line, which must start with `key` and a blank; returns what follows.
  std::string_view keyed(std::string_view key) {
    const std::string_view line = next();
    if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ' ')
      fail("「" + std::string(key) + "」の行がありません");
    return line.substr(key.size() + 1);
  }

  void expect(std::string_view whole) {
    if (next() != whole) fail("「" + std::string(whole) + "」の行がありません");
  }

 private:
  std::vector<std::string_view> lines_;
  size_t pos_ = 0;
};

// Blank-separated fields; the last one may be asked for as the rest of the line. A blank
// always has a field after it, if only an empty name: "1 " is not "1".
class Fields {
 public:
  Fields(std::string_view text, const Lines& lines) : text_(text), lines_(lines) {}

  std::string_view word() {
    if (!more_) lines_.fail("値が足りません");
    const size_t end = text_.find(' ');
    const std::string_view w = text_.substr(0, end);
    more_ = end != std::string_view::npos;
    text_ = more_ ? text_.substr(end + 1) : std::string_view();
    if (w.empty()) lines_.fail("値が足りません");
    return w;
  }

  template <typename Int>
  Int integer(long low, long high) {
    const std::string_view w = word();
    long v = 0;
    const auto result = std::from_chars(w.data(), w.data() + w.size(), v);
    // Only as the writer spells it ("7", not "07" or "-0"): an accepted file is its fight's.
    if (result.ec != std::errc() || result.ptr != w.data() + w.size() || v < low || v > high ||
        w != std::to_string(v))
      lines_.fail("「" + std::string(w) + "」は範囲内の整数ではありません");
    return static_cast<Int>(v);
  }

  int16_t i16() { return integer<int16_t>(-32768, 32767); }

  void i16s(std::initializer_list<int16_t*> fields) {
    for (int16_t* field : fields)
      *field = i16();
  }

  double number() {
    const std::string_view w = word();
    double v = 0;
    const auto result = std::from_chars(w.data(), w.data() + w.size(), v);
    if (result.ec != std::errc() || result.ptr != w.data() + w.size() || !std::isfinite(v) ||
        w != real(v))
      lines_.fail("「" + std::string(w) + "」は数ではありません");
    return v;
  }

  std::string rest() {
    if (!more_) lines_.fail("名前がありません");
    more_ = false;
    const std::string r(text_);
    text_ = {};
    return r;
  }

  bool atEnd() const { return !more_; }

  void finish() {
    if (more_) lines_.fail("余分な値があります");
  }

 private:
  std::string_view text_;
  bool more_ = true;  // a field follows, if only an empty one
  const Lines& lines_;
};

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
  if (nameNo != actionNumber(action->ID)) lines.fail("動作のIDと名前が合いません");
  action->name = actionName(nameNo);
  action->AP = f.i16();
  action->Memory = f.i16();
  f.finish();
  return action;
}

// The slots come in order, each once, as they are written.
void readPattern(Fields& f, const Lines& lines, doll& d, int slot) {
  if (f.integer<int>(0, doll::kLogicSlots - 1) != slot)
    lines.fail("パターンの番号が順に並んでいません");
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
  if (head.integer<int>(0, 1) != index) lines.fail("Dollの番号が違います");
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
      if (!(r >= 0.0 && r < 1.0)) lines.fail("乱数が0以上1未満ではありません");
      draws.push_back(r);
    }
    f.finish();
  }
}

RecordedChoice readChoice(std::string_view token, const Lines& lines) {
  if (token.size() < 4 || (token[0] != 'p' && token[0] != 'm') ||
      (token[1] != '0' && token[1] != '1') || token[2] != ':')
    lines.fail("選択「" + std::string(token) + "」が読めません");
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

FightRecording readRecording(std::string_view bytes) {
  if (!validUtf8(bytes))
    throw Refusal("リプレイファイルではありません（UTF-8の文字でないバイトがあります）");
  Lines lines(bytes);
  const std::string_view header = lines.atEnd() ? std::string_view() : lines.next();
  const std::string magic = std::string(kReplayMagic) + " ";
  if (header.substr(0, magic.size()) != magic) throw Refusal("リプレイファイルではありません");
  Fields version(header.substr(magic.size()), lines);
  if (version.integer<long>(0, std::numeric_limits<int>::max()) != kReplayVersion ||
      !version.atEnd())
    throw Refusal("このリプレイファイルの版（" + std::string(header.substr(magic.size())) +
                  "）には対応していません");
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
    lines.fail("手番が0, 3, 4のどれでもありません");
  rec.sente = start.integer<int16_t>(0, kSenteTie);
  rec.playAP = start.i16();
  start.finish();
  rec.fighters = {readDoll(lines, 0), readDoll(lines, 1)};
  readDraws(lines, rec.draws);
  readChoices(lines, rec.choices);
  lines.expect("end");
  while (!lines.atEnd()) {
    if (!lines.next().empty()) lines.fail("「end」の後に余分な行があります");
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
    out << real(recording.draws[k])
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
  ReplayParse parse;
  try {
    parse.recording = readRecording(bytes);
  } catch (const std::exception& refusal) {
    parse.error = refusal.what();
  }
  return parse;
}

}  // namespace velko
