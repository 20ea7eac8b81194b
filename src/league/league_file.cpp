#include "league/league_file.h"

#include "data/doll_share.h"
#include "league/league_lines.h"

namespace velko {

namespace {

constexpr const char* kEntrantLine = "| ";

std::string joined(const std::vector<int64_t>& values) {
  std::string text;
  for (int64_t v : values)
    text += " " + std::to_string(v);
  return text;
}

// Reads the lines in order; each routine takes what it needs and checks it.
class LeagueParser {
 public:
  explicit LeagueParser(const std::vector<std::string_view>& lines) : lines_(lines) {}

  League parse() {
    header();
    League league;
    while (peekKey() == "entrant")
      league.entrants.push_back(entrant(league.entrants.size()));
    if (league.entrants.size() < 2) fault("参加Dollが2体未満です");
    while (peekKey() == "run")
      league.runs.push_back(run(league.entrants.size()));
    check();
    return league;
  }

 private:
  size_t number() const { return at_ + 1; }
  [[noreturn]] void fault(const std::string& reason) const { throw LineFault(number(), reason); }

  std::string_view line() const {
    if (at_ >= lines_.size()) fault("ファイルが途中で終わっています");
    return lines_[at_];
  }
  std::string_view peekKey() const {
    if (at_ >= lines_.size()) return {};
    const std::string_view l = lines_[at_];
    return l.substr(0, l.find(' '));
  }
  // The line's fields after its key, which must be `key`, exactly `count` of them.
  std::vector<std::string_view> keyed(std::string_view key, size_t count) {
    std::vector<std::string_view> f = fields(line(), number());
    if (f[0] != key) fault("「" + std::string(key) + "」の行がありません");
    if (count != 0 && f.size() != count + 1) fault("項目の数が違います");
    f.erase(f.begin());
    return f;
  }

  void header() {
    const std::vector<std::string_view> f = fields(line(), number());
    if (f.size() != 2 || f[0] != kLeagueMagic) fault("リーグファイルではありません");
    if (strictNumber(f[1], 0, INT32_MAX, number()) != kLeagueVersion)
      fault("この版のリーグファイルは読めません");
    ++at_;
  }

  std::string entrant(size_t expected) {
    const auto f = keyed("entrant", 2);
    if (strictNumber(f[0], 0, kLeagueMaxEntrants - 1, number()) != static_cast<int64_t>(expected))
      fault("参加Dollの番号が順番どおりではありません");
    const int64_t count = strictNumber(f[1], 1, kLeagueMaxEntrantLines, number());
    ++at_;
    std::string text;
    for (int64_t k = 0; k < count; ++k) {
      const std::string_view l = line();
      if (l.substr(0, 2) != kEntrantLine) fault("参加Dollの行は「| 」で始まります");
      text += std::string(l.substr(2)) + "\n";
      ++at_;
    }
    return text;
  }

  LeagueRun run(size_t entrants) {
    std::vector<std::string_view> f = keyed("run", 0);
    if (f.size() < 4) fault("項目の数が違います");
    LeagueRun r;
    r.seed = strictUnsigned(f[0], number());
    r.fightsPerPair = static_cast<int>(strictNumber(f[1], 1, kLeagueMaxFights, number()));
    for (size_t k = 2; k < f.size(); ++k) {
      const int e =
          static_cast<int>(strictNumber(f[k], 0, static_cast<int64_t>(entrants) - 1, number()));
      if (!r.entrants.empty() && e <= r.entrants.back())
        fault("参加Dollの番号は小さい順に並びます");
      r.entrants.push_back(e);
    }
    ++at_;
    for (size_t x = 0; x < r.entrants.size(); ++x) {
      for (size_t y = x + 1; y < r.entrants.size(); ++y)
        r.pairs.push_back(pair(r.entrants[x], r.entrants[y], r.fightsPerPair));
    }
    return r;
  }

  PairRecord pair(int a, int b, int most) {
    const auto f = keyed("pair", 9);
    const auto n = [&](size_t k, int64_t lowest, int64_t highest) {
      return static_cast<int>(strictNumber(f[k], lowest, highest, number()));
    };
    PairRecord p;
    p.a = n(0, 0, INT32_MAX);
    p.b = n(1, 0, INT32_MAX);
    if (p.a != a || p.b != b) fault("組の並びが違います");
    BoutTally& t = p.tally;
    t.fights = n(2, 0, most);
    t.winsA = n(3, 0, t.fights);
    t.winsB = n(4, 0, t.fights);
    t.draws = n(5, 0, t.fights);
    if (t.winsA + t.winsB + t.draws != t.fights)
      fault("勝ち、負け、引き分けの和が試合数と違います");
    t.steps = static_cast<long>(
        strictNumber(f[6], 0, static_cast<int64_t>(t.fights) * kDefaultStepCap, number()));
    p.worstLoss = {n(7, -1, t.fights - 1), n(8, -1, t.fights - 1)};
    if ((p.worstLoss[0] >= 0) != (t.winsB > 0) || (p.worstLoss[1] >= 0) != (t.winsA > 0))
      fault("最悪の敗戦が勝敗と合いません");
    ++at_;
    return p;
  }

  void check() {
    const auto f = keyed("check", 1);
    size_t before = 0;
    for (size_t k = 0; k < at_; ++k)
      before += lines_[k].size() + 1;
    const std::string_view body(lines_[0].data(), before);
    if (f[0] != dollShareChecksum(body)) fault("チェックサムが合いません");
    ++at_;
    if (at_ != lines_.size()) fault("ファイルの終わりの後に行があります");
  }

  const std::vector<std::string_view>& lines_;
  size_t at_ = 0;
};

}  // namespace

std::string writeLeague(const League& league) {
  std::string body = std::string(kLeagueMagic) + " " + std::to_string(kLeagueVersion) + "\n";
  for (size_t k = 0; k < league.entrants.size(); ++k) {
    const std::string& text = league.entrants[k];
    std::string lines;
    int64_t count = 0;
    for (size_t from = 0; from < text.size(); ++count) {
      const size_t end = text.find('\n', from);
      lines += kEntrantLine + text.substr(from, end - from) + "\n";
      from = end == std::string::npos ? text.size() : end + 1;
    }
    body += "entrant" + joined({static_cast<int64_t>(k), count}) + "\n" + lines;
  }
  for (const LeagueRun& r : league.runs) {
    body += "run " + std::to_string(r.seed) + " " + std::to_string(r.fightsPerPair);
    for (int e : r.entrants)
      body += " " + std::to_string(e);
    body += "\n";
    for (const PairRecord& p : r.pairs) {
      const BoutTally& t = p.tally;
      body += "pair" +
              joined({p.a, p.b, t.fights, t.winsA, t.winsB, t.draws, t.steps, p.worstLoss[0],
                      p.worstLoss[1]}) +
              "\n";
    }
  }
  return body + "check " + dollShareChecksum(body) + "\n";
}

LeagueRead readLeague(std::string_view bytes, const std::string& fileName) {
  LeagueRead read;
  try {
    if (bytes.size() > kLeagueMaxBytes) throw LineFault(1, "ファイルが大きすぎます");
    const std::vector<std::string_view> lines = strictLines(bytes);
    if (lines.empty()) throw LineFault(1, "ファイルが空です");
    read.league = LeagueParser(lines).parse();
  } catch (const LineFault& fault) {
    read.league = {};
    read.error = fileName + ": " + std::to_string(fault.line()) + "行目: " + fault.what();
  }
  return read;
}

}  // namespace velko
