#include "league/league_file.h"

#include "core/shown_text.h"

#include "data/files/keyed_lines.h"
#include "data/share/check_line.h"
#include "data/share/doll_share.h"

namespace velko {

namespace {

constexpr const char* kEntrantLine = "| ";

// Reads the lines in order; each routine takes what it needs and checks it.
class LeagueParser {
 public:
  explicit LeagueParser(KeyedLines& lines) : lines_(lines) {}

  League parse() {
    header();
    League league;
    while (lines_.nextIs("entrant"))
      league.entrants.push_back(entrant(league.entrants.size()));
    if (league.entrants.size() < 2) lines_.fail(shown("参加Dollが2体未満です"));
    while (lines_.nextIs("run"))
      league.runs.push_back(run(league.entrants.size()));
    check();
    return league;
  }

 private:
  void header() {
    const std::string_view line = lines_.next();
    const std::string magic = std::string(kLeagueMagic) + " ";
    if (line.substr(0, magic.size()) != magic) lines_.fail(shown("リーグファイルではありません"));
    KeyedFields f(line.substr(magic.size()), lines_);
    if (f.integer<int>(0, INT32_MAX) != kLeagueVersion)
      lines_.fail(shown("この版のリーグファイルは読めません"));
    f.finish();
  }

  std::string entrant(size_t expected) {
    KeyedFields f(lines_.keyed("entrant"), lines_);
    if (f.integer<size_t>(0, kLeagueMaxEntrants - 1) != expected)
      lines_.fail(shown("参加Dollの番号が順番どおりではありません"));
    const int count = f.integer<int>(1, kLeagueMaxEntrantLines);
    f.finish();
    std::string text;
    for (int k = 0; k < count; ++k) {
      const std::string_view line = lines_.next();
      if (line.substr(0, 2) != kEntrantLine) lines_.fail(shown("参加Dollの行は「| 」で始まります"));
      text += std::string(line.substr(2)) + "\n";
    }
    return text;
  }

  LeagueRun run(size_t entrants) {
    KeyedFields f(lines_.keyed("run"), lines_);
    LeagueRun r;
    r.seed = f.u64();
    r.fightsPerPair = f.integer<int>(1, kLeagueMaxFights);
    while (!f.atEnd()) {
      const int e = f.integer<int>(0, static_cast<long>(entrants) - 1);
      if (!r.entrants.empty() && e <= r.entrants.back())
        lines_.fail(shown("参加Dollの番号は小さい順に並びます"));
      r.entrants.push_back(e);
    }
    if (r.entrants.size() < 2) lines_.fail(shown("参加Dollが2体未満です"));
    for (size_t x = 0; x < r.entrants.size(); ++x) {
      for (size_t y = x + 1; y < r.entrants.size(); ++y)
        r.pairs.push_back(pair(r.entrants[x], r.entrants[y], r.fightsPerPair));
    }
    return r;
  }

  PairRecord pair(int a, int b, int most) {
    KeyedFields f(lines_.keyed("pair"), lines_);
    PairRecord p;
    p.a = f.integer<int>(0, INT32_MAX);
    p.b = f.integer<int>(0, INT32_MAX);
    if (p.a != a || p.b != b) lines_.fail(shown("組の並びが違います"));
    BoutTally& t = p.tally;
    t.fights = f.integer<int>(0, most);
    t.winsA = f.integer<int>(0, t.fights);
    t.winsB = f.integer<int>(0, t.fights);
    t.draws = f.integer<int>(0, t.fights);
    if (t.winsA + t.winsB + t.draws != t.fights)
      lines_.fail(shown("勝ち、負け、引き分けの和が試合数と違います"));
    t.steps = f.integer<long>(0, static_cast<long>(t.fights) * kDefaultStepCap);
    p.worstLoss[0] = f.integer<int>(-1, t.fights - 1);
    p.worstLoss[1] = f.integer<int>(-1, t.fights - 1);
    f.finish();
    if ((p.worstLoss[0] >= 0) != (t.winsB > 0) || (p.worstLoss[1] >= 0) != (t.winsA > 0))
      lines_.fail(shown("最悪の敗戦が勝敗と合いません"));
    return p;
  }

  void check() { readCheckLine(lines_); }

  KeyedLines& lines_;
};

}  // namespace

std::string writeLeague(const League& league) {
  std::string body = std::string(kLeagueMagic) + " " + std::to_string(kLeagueVersion) + "\n";
  for (size_t k = 0; k < league.entrants.size(); ++k) {
    const std::string& text = league.entrants[k];
    std::string lines;
    long count = 0;
    for (size_t from = 0; from < text.size(); ++count) {
      const size_t end = text.find('\n', from);
      lines += kEntrantLine + text.substr(from, end - from) + "\n";
      from = end == std::string::npos ? text.size() : end + 1;
    }
    body += "entrant" + numberFields({static_cast<long>(k), count}) + "\n" + lines;
  }
  for (const LeagueRun& r : league.runs) {
    body += "run " + std::to_string(r.seed) + " " + std::to_string(r.fightsPerPair);
    for (int e : r.entrants)
      body += " " + std::to_string(e);
    body += "\n";
    for (const PairRecord& p : r.pairs) {
      const BoutTally& t = p.tally;
      body += "pair" +
              numberFields({p.a, p.b, t.fights, t.winsA, t.winsB, t.draws, t.steps, p.worstLoss[0],
                            p.worstLoss[1]}) +
              "\n";
    }
  }
  return checkedText(body);
}

std::string leagueTooLarge(const std::string& fileName) {
  return fill(shown("%1が大きすぎます（%2MiBまで）"),
              {fileName, std::to_string(kLeagueMaxBytes / (1024 * 1024))});
}

LeagueRead readLeague(std::string_view bytes, const std::string& fileName) {
  LeagueRead read;
  if (bytes.size() > kLeagueMaxBytes) {
    read.error = leagueTooLarge(fileName);
    return read;
  }
  try {
    KeyedLines lines(bytes, KeyedFormat{fileName, false, false, true});
    read.league = LeagueParser(lines).parse();
  } catch (const KeyedLinesError& fault) {
    read.league = {};
    read.error = fault.what();
  }
  return read;
}

}  // namespace velko
