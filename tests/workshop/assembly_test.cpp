// The workshop's assembly view: listing, mounting and removing, the Doll's texts, the class
// and picture, and which commands a Doll allows.

#include "workshop/assembly.h"

#include <gtest/gtest.h>

#include "../career/career_fixture.h"

namespace velko::testing {
namespace {

class AssemblyTest : public CareerFixture {};

TEST_F(AssemblyTest, MountingFromTheListAndTheRemoveRow) {
  Owner& p = state.player();
  auto second = std::make_shared<Motor>(Motor{1, "ウィーク", 3, 100, 5, 5, 1, true});
  p.setMotor(second);
  EXPECT_EQ(dspParts(p, kMotorKind), (std::vector<std::string>{"タフ", "ウィーク", "（はずす）"}));

  ListPart_Click(state, kMotorKind, 1, prompter);
  EXPECT_EQ(state.playerDoll().Motor, second);
  EXPECT_FALSE(state.saved);
  EXPECT_EQ(dspParts(p, kMotorKind).size(), 3u);  // the first motor stays owned

  auto steel = std::make_shared<Protector>(Protector{3, "スチール", 1.5, 90, 0.5, true});
  auto carbon = std::make_shared<Protector>(Protector{8, "カーボン", 2.5, 260, 0.5, true});
  p.setProtector(steel);
  p.setProtector(carbon);
  ListPart_Click(state, kProtectorKind, 0, prompter);
  ListPart_Click(state, kProtectorKind, 1, prompter);
  ListPart_Click(state, kProtectorKind, 2, prompter);  // the remove row takes them all off
  EXPECT_EQ(state.playerDoll().getProtector(0)->name, "");
  EXPECT_EQ(state.playerDoll().getProtector(1)->name, "");

  const PartDetail detail = partDetail(p, kProtectorKind, 1);
  EXPECT_EQ(detail.name, "カーボン");
  EXPECT_EQ(detail.price, " 260Rl");  // numbers in labels follow a blank
  EXPECT_EQ(detail.heading[0], "アーマー ");
  EXPECT_EQ(detail.value[0], " 2.5");
  EXPECT_EQ(partDetail(p, kMotorKind, 0).heading[1], "HP \n重量 ");
  EXPECT_EQ(partDetail(p, kMotorKind, 0).value[1], " 60\n 2");
  ListPart_Click(state, kMotorKind, 99, prompter);  // no such row: nothing happens
  EXPECT_EQ(state.playerDoll().Motor, second);

  // Taking the computer off in the workshop keeps the programs registered (selling it does not).
  state.playerDoll().programed = true;
  ListPart_Click(state, kComputerKind, static_cast<int>(dspParts(p, kComputerKind).size()) - 1,
                 prompter);
  EXPECT_EQ(state.playerDoll().Hard->name, "");
  EXPECT_TRUE(state.playerDoll().programed);
}

TEST_F(AssemblyTest, TheDollViewClassPictureAndEnabling) {
  DollView v = dspDoll(state);
  EXPECT_EQ(v.motor, "タフ");
  EXPECT_EQ(v.AP, " 4");       // 10 / 5 + CPU 2
  EXPECT_EQ(v.value, " 750");  // the programs are not fitted yet
  EXPECT_EQ(v.className, "Novice");
  EXPECT_EQ(v.move, " 0/ 4= 0");
  EXPECT_EQ(v.picture, "img/VELKO01S.jpg");
  EXPECT_TRUE(fightCommandsEnabled(v));
  EXPECT_FALSE(cmdProgramEnabled(v));  // no programs fitted yet: the workshop fits them
  career.init();
  v = dspDoll(state);
  ASSERT_EQ(v.softs.size(), 3u);
  EXPECT_EQ(v.softs[1], (std::pair<std::string, int>{"ファイター", 1}));
  EXPECT_TRUE(cmdProgramEnabled(v));

  state.playerDoll().Hard = std::make_shared<Hard>();
  v = dspDoll(state);
  EXPECT_FALSE(fightCommandsEnabled(v));
  EXPECT_FALSE(cmdProgramEnabled(v));

  cmdClear_Click(state);
  v = dspDoll(state);
  EXPECT_EQ(v.frame, "");
  EXPECT_EQ(v.move, "--");  // no weight
  EXPECT_EQ(v.picture, "");
  EXPECT_FALSE(state.playerDoll().getLogic(0)->name.empty());  // the programs stay

  EXPECT_EQ(mobilityText(7, 2.5), " 7/ 2.5= 2");
}

}  // namespace
}  // namespace velko::testing
