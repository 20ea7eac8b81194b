// The new player's rolls and the title screen's two ways into a game.

#include <gtest/gtest.h>

#include "career/new_player.h"
#include "career_fixture.h"

namespace velko::testing {
namespace {

TEST(NewPlayer, RollsStayInTheirRangesAndResetRestoresTheName) {
  ScriptedRandom low({0, 0, 0, 0, 0});
  Owner player;
  player.name = "誰か";
  initPlayer(player, low);
  EXPECT_EQ(player.name, "秋津遥人");
  EXPECT_EQ(player.skillPlay, 3);
  EXPECT_EQ(player.Rl, 1000);
  EXPECT_EQ(low.reseeds(), 1);
  ScriptedRandom high({0.9999, 0.9999, 0.9999, 0.9999, 0.9999});
  initPlayer(player, high);
  EXPECT_EQ(player.skillPlay, 18);
  EXPECT_EQ(player.Rl, 1600);
  EXPECT_EQ(player.Lv, 0);
}

class TitleTest : public CareerFixture {};

TEST_F(TitleTest, InitialStartAndLoadStart) {
  state.guideOn = false;
  for (int i = 0; i < 4; ++i)
    rnd.push(0.5);  // two fresh player records' money
  career.StartUp_Form_Load();
  EXPECT_TRUE(state.guideOn);
  EXPECT_EQ(state.playerDoll().name, "PlayerDoll");  // fresh records
  career.Command1_Click(0);
  EXPECT_TRUE(state.newGame);
  EXPECT_EQ(nav.workshops, 1);
  career.Command1_Click(1);  // no slot chosen: stay on the title screen
  EXPECT_FALSE(state.newGame);
  EXPECT_EQ(nav.workshops, 1);
  nav.slot = 2;
  career.Command1_Click(1);
  EXPECT_EQ(nav.workshops, 2);
}

}  // namespace
}  // namespace velko::testing
