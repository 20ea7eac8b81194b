// The league file: what is written reads back to the same league and the same bytes, and a
// damaged file is refused with its name and the line.

#include <gtest/gtest.h>

#include "data/share/doll_share.h"
#include "league/league_file.h"
#include "league/league_store.h"
#include "support/temp_folder.h"

namespace velko::testing {
namespace {

League sampleLeague() {
  League league;
  league.entrants = {"VELKO-DOLL 1\ndoll 甲\n", "VELKO-DOLL 1\ndoll 乙 二\n", "x\n"};
  LeagueRun run;
  run.seed = UINT64_MAX;
  run.fightsPerPair = 4;
  run.entrants = {0, 2};
  PairRecord p;
  p.a = 0;
  p.b = 2;
  p.tally = {.fights = 4, .winsA = 3, .winsB = 0, .draws = 1, .steps = 120};
  p.worstLoss = {-1, 2};
  run.pairs = {p};
  league.runs = {run, run};
  league.runs[1].seed = 0;
  return league;
}

TEST(LeagueFile, RoundTripsByteForByte) {
  const League league = sampleLeague();
  const std::string bytes = writeLeague(league);
  const LeagueRead read = readLeague(bytes, "a.velkoleague");
  ASSERT_TRUE(read.accepted()) << read.error;
  EXPECT_EQ(read.league, league);
  EXPECT_EQ(writeLeague(read.league), bytes);
}

// The body before "check" with a line changed, signed again so that only the change is wrong.
std::string resigned(std::string body) {
  return body + "check " + dollShareChecksum(body) + "\n";
}

TEST(LeagueFile, RefusesDamageNamingFileAndLine) {
  const std::string bytes = writeLeague(sampleLeague());
  const std::string body = bytes.substr(0, bytes.rfind("check "));
  const auto refusal = [](const std::string& damaged) {
    return readLeague(damaged, "b.velkoleague").error;
  };
  // Line 1 the header, 2-9 the entrants, 10-13 two runs of one pair each, 14 the checksum.
  EXPECT_EQ(
      refusal(bytes.substr(0, bytes.size() - 1)).rfind("b.velkoleagueが壊れています（14行目: ", 0),
      0u);
  std::string flipped = bytes;
  flipped[flipped.find("甲") + 1] ^= 0x40;  // no longer UTF-8
  EXPECT_EQ(refusal(flipped).rfind("b.velkoleagueが壊れています（4行目: ", 0), 0u);
  std::string checksum = bytes;
  checksum[checksum.find(" 120 ") + 3] = '1';
  EXPECT_EQ(refusal(checksum).rfind("b.velkoleagueが壊れています（14行目: ", 0), 0u);
  const std::vector<std::pair<std::string, std::string>> edits = {
      {"pair 0 2 4 3 0 1", "pair 0 2 4 2 0 1"},  // wins, losses and draws do not add up
      {"pair 0 2 4 3 0 1 120 -1 2", "pair 0 2 4 3 0 1 120 0 2"},  // a worst loss never lost
      {"pair 0 2 4 3 0 1 120", "pair 0 2 4 3 0 1 0120"},          // a leading zero
      {"run 0 4 0 2", "run 0 4 2 0"},                             // entrants out of order
      {"run 0 4 0 2", "run 0 4 0 3"},                             // no such entrant
      {"run 0 4 0 2\npair 0 2", "run 0 4 0 0\npair 0 0"},         // one entrant twice
      // A worst loss past the last of the pair's four fights, each side's.
      {"pair 0 2 4 3 0 1 120 -1 2", "pair 0 2 4 3 0 1 120 -1 4"},
      {"pair 0 2 4 3 0 1 120 -1 2", "pair 0 2 4 2 1 1 120 4 2"},
      {"entrant 1 2\n| VELKO", "entrant 1 2\n|VELKO"},
      {"pair 0 2 4 3 0 1 120 -1 2\n", "pair 0 2 4 3 0 1 120 -1 2\r\n"},
  };
  for (const auto& [from, to] : edits) {
    std::string damaged = body;
    const size_t at = damaged.rfind(from);
    ASSERT_NE(at, std::string::npos) << from;
    damaged.replace(at, from.size(), to);
    const std::string error = refusal(resigned(damaged));
    EXPECT_EQ(error.rfind("b.velkoleagueが壊れています（", 0), 0u) << to;
    EXPECT_NE(error.find("行目: "), std::string::npos) << to;
  }
  EXPECT_NE(refusal(resigned("VELKO-LEAGUE 2\n")).find("1行目"), std::string::npos);
}

// A league the file cannot hold again (here an entrant of too many lines) is not saved, so it
// is never lost to a file that does not open.
TEST(LeagueFile, ALeagueThatWouldNotReadBackIsNotSaved) {
  League league = sampleLeague();
  for (int k = 0; k < kLeagueMaxEntrantLines; ++k)
    league.entrants[1] += "x\n";
  const TempFolder folder;
  const std::filesystem::path path = folder.path() / "a.velkoleague";
  EXPECT_NE(saveLeagueFile(path, league), "");
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(saveLeagueFile(path, sampleLeague()), "");
  EXPECT_TRUE(openLeagueFile(path).accepted());
}

}  // namespace
}  // namespace velko::testing
