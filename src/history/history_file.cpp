#include "history/history_file.h"

#include "core/shown_text.h"
#include "data/files/keyed_lines.h"
#include "data/share/check_line.h"
#include "data/share/doll_share.h"

namespace velko {

namespace {

constexpr const char* kNoReplay = "-";
constexpr int kHistoryMaxCount = 32767;

// A replay's file name as the recorder makes them: letters, digits, '-', '_' and '.', not
// beginning with a dot, ending in ".replay"; nothing that could name another folder.
bool replayNameOk(std::string_view name) {
  const std::string_view ext = ".replay";
  if (name.size() <= ext.size() || name.front() == '.') return false;
  if (name.substr(name.size() - ext.size()) != ext) return false;
  for (char c : name) {
    const bool ok = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                    c == '-' || c == '_' || c == '.';
    if (!ok) return false;
  }
  return true;
}

// Names stand on one line: a control character (a line break a name may hold) becomes a blank.
std::string historyNameLine(std::string name) {
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  return name;
}

std::string buildLine(const DollBuild& b) {
  std::vector<long> ids{b.motor, b.frame};
  for (int16_t id : b.boosters)
    ids.push_back(id);
  for (int16_t id : b.protectors)
    ids.push_back(id);
  ids.push_back(b.hard);
  return "build" + numberFields(ids) + " " + historyNameLine(b.name) + "\n";
}

std::string fightLine(const HistoryFight& f) {
  const std::string replay = f.replay.empty() ? kNoReplay : f.replay;
  return "fight" + numberFields({f.mode, static_cast<long>(f.end), f.opponentID, f.opponentValue}) +
         " " + replay + " " + historyNameLine(f.opponent) + "\n";
}

// Reads the lines in order; each routine takes what it needs and checks it.
class HistoryParser {
 public:
  explicit HistoryParser(KeyedLines& lines) : lines_(lines) {}

  CareerHistory parse() {
    header();
    CareerHistory history;
    while (lines_.nextIs("month"))
      history.months.push_back(month(history));
    if (history.months.empty()) lines_.fail(shown("月の記録がありません"));
    check();
    return history;
  }

 private:
  void header() {
    const std::string_view line = lines_.next();
    const std::string magic = std::string(kHistoryMagic) + " ";
    if (line.substr(0, magic.size()) != magic) lines_.fail(shown("戦績ファイルではありません"));
    KeyedFields f(line.substr(magic.size()), lines_);
    if (f.integer<int>(0, INT32_MAX) != kHistoryVersion)
      lines_.fail(shown("この版の戦績ファイルは読めません"));
    f.finish();
  }

  HistoryMonth month(const CareerHistory& history) {
    KeyedFields f(lines_.keyed("month"), lines_);
    HistoryMonth m;
    m.month = f.integer<int>(0, kHistoryLastMonth);
    if (!history.months.empty() && m.month <= history.months.back().month)
      lines_.fail(shown("月が古い順に並んでいません"));
    f.i16s({&m.money, &m.skill, &m.dollValue});
    m.fights = f.integer<int>(0, kHistoryMaxCount);
    m.wins = f.integer<int>(0, m.fights);
    m.losses = f.integer<int>(0, m.fights);
    m.givenUp = f.integer<int>(0, m.fights);
    if (m.wins + m.losses + m.givenUp > m.fights)
      lines_.fail(shown("勝ち、負け、ギブアップの和が試合数を超えています"));
    m.tournaments = f.integer<int>(0, kHistoryMaxCount);
    m.titles = f.integer<int>(0, m.tournaments);
    m.partsLost = f.integer<int>(0, kHistoryMaxCount);
    f.finish();
    m.build = build();
    const size_t listed = std::min(static_cast<size_t>(m.fights), kHistoryMaxFights);
    for (size_t k = 0; k < listed; ++k)
      m.fightList.push_back(fight());
    return m;
  }

  DollBuild build() {
    KeyedFields f(lines_.keyed("build"), lines_);
    DollBuild b;
    f.i16s({&b.motor, &b.frame});
    for (int16_t& id : b.boosters)
      id = f.i16();
    for (int16_t& id : b.protectors)
      id = f.i16();
    b.hard = f.i16();
    b.name = f.rest();
    return b;
  }

  HistoryFight fight() {
    if (!lines_.nextIs("fight")) {
      lines_.next();
      lines_.fail(shown("試合の行が試合数より少なくなっています"));
    }
    KeyedFields f(lines_.keyed("fight"), lines_);
    HistoryFight h;
    h.mode = f.integer<int16_t>(0, 2);
    h.end = static_cast<HistoryEnd>(f.integer<int16_t>(0, 2));
    h.opponentID = f.i16();
    h.opponentValue = f.i16();
    const std::string_view replay = f.word();
    if (replay != kNoReplay && !replayNameOk(replay))
      lines_.fail(shown("リプレイファイルの名前が正しくありません"));
    if (replay != kNoReplay) h.replay = std::string(replay);
    h.opponent = f.rest();
    return h;
  }

  void check() { readCheckLine(lines_); }

  KeyedLines& lines_;
};

}  // namespace

std::string writeHistory(const CareerHistory& history) {
  std::string body = std::string(kHistoryMagic) + " " + std::to_string(kHistoryVersion) + "\n";
  for (const HistoryMonth& m : history.months) {
    body += "month" +
            numberFields({m.month, m.money, m.skill, m.dollValue, m.fights, m.wins, m.losses,
                          m.givenUp, m.tournaments, m.titles, m.partsLost}) +
            "\n";
    body += buildLine(m.build);
    for (const HistoryFight& f : m.fightList)
      body += fightLine(f);
  }
  return checkedText(body);
}

HistoryRead readHistory(std::string_view bytes, const std::string& fileName) {
  HistoryRead read;
  if (bytes.size() > kHistoryMaxBytes) {
    read.error = fill(shown("%1が大きすぎます（%2MiBまで）"),
                      {fileName, std::to_string(kHistoryMaxBytes / (1024 * 1024))});
    return read;
  }
  try {
    KeyedLines lines(bytes, KeyedFormat{fileName, false, false, true});
    read.history = HistoryParser(lines).parse();
  } catch (const KeyedLinesError& fault) {
    read.history = {};
    read.error = fault.what();
  }
  return read;
}

}  // namespace velko
