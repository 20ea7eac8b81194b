#include "lab/practice_lab.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "career/career_fixture.h"
#include "career/tournament_draw.h"
#include "data/registry/registry_read.h"
#include "lab/tournament_advice.h"
#include "replay/fight_replay.h"
#include "support/folder_bytes.h"
#include "support/patterns.h"

namespace velko::testing {
namespace {

class PracticeLabTest : public CareerFixture {
 protected:
  PracticeLabTest() {
    registerFighter("弱", 1, 2500);  // worth exactly Novice's limit
    registerFighter("中", 8, 3500);  // and Expert's
    registerFighter("強", 40, 5000);
  }

  // A registered opponent on the tough motor that punches twice with the given power.
  void registerFighter(const std::string& name, int16_t pow, int16_t value) {
    doll d;
    d.name = name;
    d.Motor->ID = 2;
    d.frame->ID = 1;
    d.value = value;
    d.AP = 2;
    d.pow = pow;
    d.offence = 6;
    d.setLogics(pattern("連打", 2, {kPunch, kPunch}), 0);
    const int16_t id = saveEnemyDoll(game(), d, prompter);
    EXPECT_TRUE(saveEnemyLogic(game(), d, id, prompter));
  }
};

// A run against a class reads the registry and fights copies: every file of the game folder,
// saves included, stays byte for byte as it was, and so does the player's Doll.
TEST_F(PracticeLabTest, LeavesEverySaveFileAndTheDollAsTheyWere) {
  state.playerDoll().Motor->HP = 20;  // damaged: the lab fights at full hit points anyway
  state.playerDoll().pow = 30;        // strong enough to win now and then
  const auto before = filesUnder(folder.path());
  const auto opponents = selectOpponents(registryOpponents(game()), "Expert");
  ASSERT_EQ(opponents.size(), 2u);  // worth at most 3500: not the third
  const PracticeResult result = runPractice(state.playerDoll(), opponents, {.fights = 200});
  EXPECT_EQ(filesUnder(folder.path()), before);
  EXPECT_EQ(state.playerDoll().Motor->HP, 20);

  EXPECT_EQ(result.fights, 200);
  EXPECT_EQ(result.wins + result.losses + result.draws, 200);
  ASSERT_EQ(result.opponents.size(), 2u);
  EXPECT_EQ(result.opponents[0].fights + result.opponents[1].fights, 200);
  EXPECT_GE(result.opponents[0].losses * result.opponents[1].fights,
            result.opponents[1].losses * result.opponents[0].fights);
  // Every fight starts with both Dolls whole: one carrying a broken part from the fight before
  // would end the next at its set-up, without a step.
  EXPECT_GT(result.wins, 0);
  EXPECT_GT(result.losses, 0);
  EXPECT_GE(result.steps.lowest(), 2);
  EXPECT_GT(result.patterns[0].chosen, 0);  // the Doll's one pattern
  EXPECT_GT(result.patterns[0].dealt, 0);
}

// The worst loss is kept as a recording that plays again to the same loss; the same seed
// gives the same run.
TEST_F(PracticeLabTest, TheWorstLossReplaysAndASeedRepeats) {
  const auto opponents = selectOpponents(registryOpponents(game()), "Master");
  const PracticeOptions options{.fights = 300, .seed = 8};
  const PracticeResult result = runPractice(state.playerDoll(), opponents, options);
  ASSERT_GT(result.losses, 0);
  ASSERT_TRUE(result.worstLoss);
  NarrationLog view(false);
  const ReplayOutcome outcome = replayFight(*result.worstLoss, view);
  EXPECT_TRUE(outcome.ok) << outcome.error;
  EXPECT_EQ(outcome.winner, 1);

  const PracticeResult again = runPractice(state.playerDoll(), opponents, options);
  EXPECT_EQ(result.seed, 8u);
  EXPECT_EQ(again.seed, 8u);
  EXPECT_EQ(again.wins, result.wins);
  EXPECT_EQ(again.steps.mean(), result.steps.mean());
  // Recording changes nothing of the fights themselves.
  const PracticeResult unrecorded =
      runPractice(state.playerDoll(), opponents, {.fights = 300, .seed = 8, .record = false});
  EXPECT_EQ(unrecorded.wins, result.wins);
  EXPECT_FALSE(unrecorded.worstLoss);
}

TEST_F(PracticeLabTest, CancelStopsTheRunAndBadChoicesAreRefused) {
  const auto all = registryOpponents(game());
  std::atomic<bool> cancel = false;
  int reports = 0;
  const PracticeResult result =
      runPractice(state.playerDoll(), all, {.fights = 10000}, &cancel, [&](int done, int total) {
        ++reports;
        EXPECT_EQ(total, 10000);
        if (done >= 100) cancel = true;
      });
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.fights, 100);
  EXPECT_EQ(reports, 2);

  // A class is whom its tournament may draw, a Doll worth exactly the limit too.
  const std::vector<std::pair<std::string, size_t>> classes = {
      {"Novice", 1}, {"Expert", 2}, {"Master", 3}};
  for (const auto& [c, size] : classes) {
    EnemyIdList drawn{};
    const int16_t n = countTekiDoll(game(), classLimit(c), drawn);
    std::vector<int16_t> lab;
    for (const PracticeOpponent& o : selectOpponents(all, c))
      lab.push_back(o.id);
    EXPECT_EQ(lab.size(), size) << c;
    EXPECT_EQ(lab, std::vector<int16_t>(drawn.begin() + 1, drawn.begin() + 1 + n)) << c;
  }
  EXPECT_EQ(selectOpponents(all, "2").front().id, 2);
  EXPECT_THROW(selectOpponents(all, "7"), std::invalid_argument);
  EXPECT_THROW(selectOpponents(all, "Grand"), std::invalid_argument);
  EXPECT_THROW(runPractice(state.playerDoll(), {}, {}), std::invalid_argument);
}

// The advice before a tournament is the lab's own run: the same seed gives the same wins
// against each opponent, the hardest first, in rounded words.
TEST_F(PracticeLabTest, TournamentAdviceIsTheLabsRunForTheSameSeed) {
  state.playerDoll().pow = 30;  // wins 3, 15 and 32 of 40: each opponent's chance its own
  const auto opponents = selectOpponents(registryOpponents(game()), "Master");
  const TournamentAdvice advice = adviseTournament(state.playerDoll(), opponents, 5, 40);
  const PracticeResult lab = runPractice(state.playerDoll(), opponents, {.fights = 120, .seed = 5});
  ASSERT_EQ(advice.chances.size(), 3u);
  for (const OpponentTally& o : lab.opponents) {
    SCOPED_TRACE(o.name);
    const auto c = std::find_if(advice.chances.begin(), advice.chances.end(),
                                [&](const Chance& c) { return c.id == o.id; });
    ASSERT_NE(c, advice.chances.end());
    EXPECT_EQ(c->fights, 40);
    EXPECT_EQ(c->wins, o.wins);
  }
  EXPECT_LE(advice.chances[0].rate(), advice.chances[1].rate());
  EXPECT_LE(advice.chances[1].rate(), advice.chances[2].rate());
  EXPECT_EQ(adviceText(advice),
            "勝率はおよそ40%（相手3体の平均）\nいちばん手強いのは強（およそ10%）");
  EXPECT_EQ(roughPercent(0.574), "およそ55%");
  EXPECT_EQ(roughPercent(0.576), "およそ60%");
  EXPECT_EQ(roughPercentValue(1.0), 100);
  TournamentAdvice told;
  told.chances = {{3, "強", 100, 10}, {1, "弱", 100, 90}};
  EXPECT_EQ(adviceText(told),
            "勝率はおよそ50%（相手2体の平均）\nいちばん手強いのは強（およそ10%）");
}

TEST(PracticeStats, WilsonIntervalAndSpread) {
  const Proportion half = wilson95(50, 100);
  EXPECT_DOUBLE_EQ(half.rate, 0.5);
  EXPECT_NEAR(half.low, 0.4038, 1e-4);
  EXPECT_NEAR(half.high, 0.5962, 1e-4);
  const Proportion none = wilson95(0, 10);
  EXPECT_EQ(none.low, 0);
  EXPECT_NEAR(none.high, 0.2775, 1e-4);
  EXPECT_NEAR(wilson95(10, 10).low, 0.7225, 1e-4);
  EXPECT_EQ(wilson95(0, 0).high, 0);

  Spread s;
  for (double x : {4, 2, 4, 4, 5, 5, 7, 9})
    s.add(x);
  EXPECT_DOUBLE_EQ(s.mean(), 5);
  EXPECT_EQ(s.lowest(), 2);
  EXPECT_NEAR(s.deviation(), 2.1381, 1e-4);
  EXPECT_EQ(Spread{}.deviation(), 0);
}

}  // namespace
}  // namespace velko::testing
