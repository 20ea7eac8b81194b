// The league's ratings and standings against answers worked out by hand, its round robin: the
// same seed gives the same table on one thread or two, and a worst loss fights again as a loss;
// and the Dolls it takes in from a folder and joins.

#include <gtest/gtest.h>

#include <cmath>

#include "data/catalogue/catalogue.h"
#include "data/share/doll_share.h"
#include "league/bradley_terry.h"
#include "league/league_candidates.h"
#include "league/league_table.h"
#include "league/round_robin.h"
#include "model/doll_stats.h"
#include "support/recorded_fights.h"
#include "support/temp_folder.h"

namespace velko::testing {
namespace {

// Results that fit strengths 9 : 3 : 1 exactly (A beats B 3 of 4, B beats C 3 of 4, A beats C
// 9 of 10), so the maximum-likelihood ratings are 400 log10 3 = 190.85 points apart.
TEST(LeagueRatings, FitAnswersWorkedOutByHand) {
  PairResults three(3);
  three.add(0, 1, 4, 3);
  three.add(1, 2, 4, 3);
  three.add(0, 2, 10, 9);
  const std::vector<Rating> r = fitRatings(three, 0);
  EXPECT_NEAR(r[0].elo, 190.85, 0.01);
  EXPECT_NEAR(r[1].elo, 0, 0.01);
  EXPECT_NEAR(r[2].elo, -190.85, 0.01);

  // Two sides, 3 of 4: information 4 * 3/4 * 1/4 = 3/4 in natural units, so each rating
  // about the mean has variance 1 / (4 * 3/4) = 1/3; the 95% margin is
  // 1.96 * sqrt(1/3) * 400 / ln 10 = 196.58 points.
  PairResults two(2);
  two.add(1, 0, 4, 1);
  const std::vector<Rating> t = fitRatings(two, 0);
  EXPECT_NEAR(t[0].elo, 95.42, 0.01);
  EXPECT_NEAR(t[0].margin, 196.58, 0.01);
  EXPECT_NEAR(t[1].margin, 196.58, 0.01);
  EXPECT_NEAR(expectedScore(t[0].elo, t[1].elo), 0.75, 1e-9);

  // Winning all ten: the prior's one half-won game makes it 10.5 of 11, odds 21, so 400 log10 21
  // = 528.9 points apart instead of infinitely far.
  PairResults sweep(2);
  sweep.add(0, 1, 10, 10);
  const std::vector<Rating> s = fitRatings(sweep, 1);
  EXPECT_NEAR(s[0].elo - s[1].elo, 528.89, 0.01);
  EXPECT_TRUE(std::isfinite(s[0].margin));
}

// Two runs by hand: 0 beats 1 three of four; then 2 beats 1 two of four with a draw. 0 and 2
// never met, so each one's average is over the one opponent it fought.
TEST(LeagueTable, StandingsShowEachSideOfEveryPairHighestFirst) {
  League league;
  league.entrants = {"甲", "乙", "丙"};
  const auto run = [](int a, int b, const BoutTally& tally) {
    return LeagueRun{
        .fightsPerPair = 4, .entrants = {a, b}, .pairs = {{.a = a, .b = b, .tally = tally}}};
  };
  league.runs = {run(0, 1, {.fights = 4, .winsA = 3, .winsB = 1}),
                 run(1, 2, {.fights = 4, .winsA = 1, .winsB = 2, .draws = 1})};
  const LeagueTable table = leagueTable(league);
  std::vector<std::string> rows;
  for (const StandingRow& r : table.rows)
    rows.push_back(std::to_string(r.entrant) + ": " + std::to_string(r.games) + " games " +
                   std::to_string(r.wins) + "-" + std::to_string(r.losses) + "-" +
                   std::to_string(r.draws) + " average " + std::to_string(r.averageScore));
  EXPECT_EQ(rows, (std::vector<std::string>{"0: 4 games 3-1-0 average 0.750000",
                                            "2: 4 games 2-1-1 average 0.625000",
                                            "1: 8 games 2-5-1 average 0.312500"}));
}

TEST(LeagueRoundRobin, TheSameSeedGivesTheSameTableOnOneOrTwoThreads) {
  SeededRandom rnd(3);
  std::vector<DollRef> dolls;
  for (const char* name : {"甲", "乙", "丙", "丁"})
    dolls.push_back(randomDoll(rnd, name));
  const std::vector<int> entrants = {0, 2, 3, 5};
  const RoundRobinOptions one{.fightsPerPair = 12, .seed = 7, .threads = 1};
  const LeagueRun a = runRoundRobin(dolls, entrants, one);
  RoundRobinOptions two = one;
  two.threads = 2;
  const LeagueRun b = runRoundRobin(dolls, entrants, two);
  EXPECT_EQ(a, b);
  ASSERT_EQ(a.pairs.size(), 6u);
  EXPECT_EQ(a.pairs[5].a, 3);
  EXPECT_EQ(a.pairs[5].b, 5);
  bool someLoss = false;
  for (const PairRecord& p : a.pairs) {
    EXPECT_EQ(p.tally.fights, 12);
    // Each side's worst loss, fought again from the pair's dice, is a loss of that side.
    for (int side = 0; side < 2; ++side) {
      const size_t x =
          static_cast<size_t>(std::find(entrants.begin(), entrants.end(), p.a) - entrants.begin());
      const size_t y =
          static_cast<size_t>(std::find(entrants.begin(), entrants.end(), p.b) - entrants.begin());
      const auto loss = worstLossOf(a, p, side, *dolls[x], *dolls[y]);
      ASSERT_EQ(loss.has_value(), p.worstLoss[side] >= 0);
      if (!loss) continue;
      someLoss = true;
      const bool aInSeat0 = p.worstLoss[side] % 2 == 0;
      const int loserSeat = (side == 0) == aInSeat0 ? 0 : 1;
      EXPECT_EQ(loss->recording.winner, 1 - loserSeat);
    }
  }
  EXPECT_TRUE(someLoss);

  // A pair's worst loss in the league is a fight its loser lost, whichever side it sat on.
  League league;
  league.runs = {a};
  std::vector<DollRef> byEntrant(6);
  for (size_t k = 0; k < entrants.size(); ++k)
    byEntrant[entrants[k]] = dolls[k];
  for (const PairRecord& p : a.pairs) {
    for (const auto& [loser, winner, side] : {std::tuple{p.a, p.b, 0}, std::tuple{p.b, p.a, 1}}) {
      const auto worst = pairWorstLoss(league, byEntrant, loser, winner);
      ASSERT_EQ(worst.has_value(), p.worstLoss[side] >= 0);
      if (!worst) continue;
      EXPECT_EQ(worst->fighters[worst->winner]->name, byEntrant[winner]->name);
    }
  }
}

// A finished, programmed Doll of the catalogue's parts, as its Doll file.
std::string dollFile(const GameFolder& game, const std::string& name) {
  Owner pilot;
  pilot.name = "秋津遥人";
  doll d;
  d.name = name;
  d.Motor = ld_Motor(game, 1);
  d.frame = ld_Frame(game, 2);
  d.Hard = ld_Hard(game, 1);
  d.setSoftM(0, ld_SoftM(game, 2));
  d.setSoftA(0, ld_SoftA(game, 5));
  d.setSoftD(0, ld_SoftD(game, 1));
  resetDollParam(d, pilot);
  d.programed = true;
  return writeDollShare(pilot, d);
}

std::vector<std::string> namesOf(const std::vector<DollRef>& dolls) {
  std::vector<std::string> names;
  for (const DollRef& d : dolls)
    names.push_back(d->name);
  return names;
}

// A folder offers the Doll files it holds (the ending in any case) in name order, and names
// each one refused with its reason; a folder without one says so.
TEST(LeagueCandidates, AFolderOffersItsDollFilesInNameOrderAndNamesTheRefused) {
  const GameFolder game{VELKO_GAME_DIR};
  const std::string kou = dollFile(game, "甲");
  const std::string otsu = dollFile(game, "乙");
  const TempFolder dir;
  dir.writeBytes("b.velkodoll", otsu);
  dir.writeBytes("a.VELKODOLL", kou);
  dir.writeBytes("c.velkodoll", "my notes\n");
  dir.writeBytes("notes.txt", kou);
  dir.writeBytes(".hidden.velkodoll", kou);
  std::filesystem::create_directory(dir.path() / "d.velkodoll");
  const FolderCandidates found = folderCandidates(game, dir.path());
  std::vector<std::string> accepted;
  for (const FileCandidate& file : found.accepted)
    accepted.push_back(file.fileName + " " + file.doll->name);
  EXPECT_EQ(accepted, (std::vector<std::string>{"a.VELKODOLL 甲", "b.velkodoll 乙"}));
  ASSERT_EQ(found.accepted.size(), 2u);
  EXPECT_EQ(found.accepted[1].text, otsu);
  EXPECT_EQ(found.refused, std::vector<std::string>{"c.velkodoll: Dollファイルではありません"});

  const TempFolder none;
  none.writeBytes("notes.txt", kou);
  EXPECT_EQ(folderCandidates(game, none.path()).refused,
            std::vector<std::string>{"Dollファイル（.velkodoll）がありません"});
}

// Chosen texts join once each with their Dolls in step, the numbers come back rising whatever
// the order of choice, and a refused text joins nothing.
TEST(LeagueCandidates, ChosenTextsJoinTheLeagueOnceWithTheirDolls) {
  const GameFolder game{VELKO_GAME_DIR};
  const std::string kou = dollFile(game, "甲");
  const std::string otsu = dollFile(game, "乙");
  const std::string hei = dollFile(game, "丙");
  League league;
  std::vector<DollRef> dolls;
  EXPECT_EQ(joinEntrants(game, league, dolls, {otsu, kou}), (std::vector<int>{0, 1}));
  EXPECT_EQ(joinEntrants(game, league, dolls, {hei, kou}), (std::vector<int>{1, 2}));
  EXPECT_EQ(joinEntrants(game, league, dolls, {kou, kou}), std::vector<int>{1});
  EXPECT_EQ(league.entrants, (std::vector<std::string>{otsu, kou, hei}));
  EXPECT_EQ(namesOf(dolls), (std::vector<std::string>{"乙", "甲", "丙"}));

  try {
    joinEntrants(game, league, dolls, {kou, "my notes\n"});
    ADD_FAILURE() << "a text that is no Doll joined";
  } catch (const std::invalid_argument& refusal) {
    EXPECT_EQ(std::string(refusal.what()).rfind("参加Doll 4: ", 0), 0u) << refusal.what();
  }
  EXPECT_EQ(league.entrants.size(), 3u);
  EXPECT_EQ(dolls.size(), 3u);
}

}  // namespace
}  // namespace velko::testing
