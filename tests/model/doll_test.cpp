#include "model/doll.h"

#include <gtest/gtest.h>

#include "core/prompter.h"
#include "core/random.h"
#include "model/doll_stats.h"
#include "model/owner.h"
#include "support/scripted_dialog.h"

namespace velko {
namespace {

template <typename T>
std::shared_ptr<T> named(int16_t id, const std::string& name, int16_t price) {
  auto p = std::make_shared<T>();
  p->ID = id;
  p->name = name;
  p->Rl = price;
  return p;
}

class DollTest : public ::testing::Test {
 protected:
  DollTest() {
    d.Motor = named<Motor>(5, "ホーネット", 480);
    d.Motor->pow = 7;
    d.Motor->weight = 2;
    d.frame = named<DollFrame>(4, "ダフネ", 550);
    d.frame->offence = 5;
    d.frame->defence = 6;
    d.frame->move = 9;
    d.frame->jump = 7;
    d.frame->image = "02";
    d.frame->weight = 1;
    d.Hard = named<Hard>(1, "ベーシック", 150);
    d.Hard->CPU = 3;
    d.Hard->Memory = 32;
  }

  BoosterRef booster(int16_t id, const std::string& name) {
    auto b = named<Booster>(id, name, 100);
    b->move = 2;
    b->jump = 1;
    b->spin = 3;
    b->weight = 1;
    return b;
  }

  ProtectorRef protector(const std::string& name, double ac = 1.5) {
    auto p = named<Protector>(1, name, 40);
    p->AC = ac;
    p->weight = 0.5;
    return p;
  }

  testing::ScriptedDialog dialog;
  DialogPrompter prompter{dialog};
  doll d;
};

TEST_F(DollTest, FreshDollIsBlankAndSumsToZero) {
  doll blank;
  EXPECT_EQ(blank.name, "PlayerDoll");
  EXPECT_EQ(blank.image, "01");
  EXPECT_FALSE(blank.programed);
  EXPECT_EQ(blank.getLogic(12)->getActions(9)->ID, 0);
  EXPECT_EQ(blank.getBoost(7)->name, "");
  EXPECT_EQ(blank.getSoftA(4), nullptr);  // outside 0-3: nothing, no error
  blank.refresh();
  EXPECT_EQ(blank.value, 0);
  EXPECT_DOUBLE_EQ(blank.weight, 0);
  EXPECT_DOUBLE_EQ(blank.AC, 0);
}

TEST_F(DollTest, BoostersOnePerNameUpToEight) {
  EXPECT_TRUE(d.addBooster(booster(1, "ローラー")));
  EXPECT_FALSE(d.addBooster(booster(1, "ローラー")));  // same name: refused though slots are free
  EXPECT_EQ(d.getBoost(1)->name, "");
  for (int i = 2; i <= 8; ++i)
    EXPECT_TRUE(d.addBooster(booster(i, "B" + std::to_string(i))));
  EXPECT_FALSE(d.addBooster(booster(9, "B9")));
  EXPECT_TRUE(dialog.shown.empty());  // refused silently
}

TEST_F(DollTest, FifthProtectorIsRefusedWithTheGamesMessage) {
  for (int i = 0; i < 4; ++i)
    EXPECT_TRUE(d.addProtector(protector("P" + std::to_string(i)), prompter));
  EXPECT_FALSE(d.addProtector(protector("P9"), prompter));
  ASSERT_EQ(dialog.shown.size(), 1u);
  EXPECT_EQ(dialog.shown[0].request.text, "4枚以上貼れません");
  EXPECT_TRUE(dialog.shown[0].plainBox);
}

TEST_F(DollTest, RefreshSumsPartsAndRemovingBoostersZeroesMobilityUntilTheNext) {
  d.addBooster(booster(1, "ローラー"));
  d.addProtector(protector("スチール", 2.5), prompter);
  d.refresh();
  EXPECT_EQ(d.pow, 7);
  EXPECT_EQ(d.offence, 5);
  EXPECT_EQ(d.move, 11);
  EXPECT_EQ(d.jump, 8);
  EXPECT_EQ(d.spin, 3);
  EXPECT_DOUBLE_EQ(d.AC, 2.5);
  EXPECT_DOUBLE_EQ(d.weight, 4.5);
  EXPECT_EQ(d.value, 480 + 550 + 100 + 40);

  d.removeAllBoost();
  EXPECT_EQ(d.move, 0);  // the frame's share is gone until refresh
  d.refresh();
  EXPECT_EQ(d.move, 9);
}

TEST_F(DollTest, RemoveAllProtectAddsWithoutClearing) {
  d.addBooster(booster(1, "ローラー"));
  d.addProtector(protector("スチール"), prompter);
  d.refresh();
  d.removeAllProtect();
  EXPECT_DOUBLE_EQ(d.AC, 0);
  // refreshBasic adds on top of the old sums; the workshop's next refresh sets them right.
  EXPECT_DOUBLE_EQ(d.weight, 4.5 + 4.0);
  EXPECT_EQ(d.move, 11 + 2);
  d.refresh();
  EXPECT_DOUBLE_EQ(d.weight, 4.0);
}

TEST_F(DollTest, ASumThatWouldOverflowSkipsThatStep) {
  d.Motor->Rl = 32000;
  d.frame->Rl = 1000;
  d.refresh();
  EXPECT_EQ(d.value, 32000);  // the frame's price is skipped, the rest goes on
  EXPECT_EQ(d.move, 9);
  EXPECT_DOUBLE_EQ(d.weight, 3);
}

TEST_F(DollTest, WorkshopRecomputationOfApMemoryValueAndPicture) {
  Owner pilot;
  pilot.skillPlay = 14;
  d.setSoftA(0, named<SoftAttack>(5, "ファイター", 80));
  d.setSoftD(0, named<SoftDeffence>(1, "ガード", 40));
  d.setSoftM(0, named<SoftMobile>(2, "ステッパー", 50));
  for (int i = 1; i <= 5; ++i)
    d.addBooster(booster(i, "B" + std::to_string(i)));

  resetDollParam(d, pilot);
  EXPECT_EQ(d.AP, 5);  // 14 / 5 = 2, plus CPU 3
  EXPECT_EQ(d.Memory, 32);
  // Booster slot 4 is not counted; the software is.
  EXPECT_EQ(d.value, 480 + 150 + 550 + 4 * 100 + 80 + 40 + 50);
  EXPECT_EQ(d.image, "0201");

  // Every name that counts as black armour, alone in the last slot, picks the black picture;
  // a numbered copy does not.
  for (const char* name : {"Carbon", "Steel", "Kevler", "カーボン", "スチール", "スチール1"}) {
    doll dressed = d;
    dressed.addProtector(protector("Plain"), prompter);
    dressed.addProtector(protector(name), prompter);
    resetDollParam(dressed, pilot);
    EXPECT_EQ(dressed.image, std::string(name) == "スチール1" ? "0201" : "0202") << name;
  }
  d.addProtector(protector("Steel"), prompter);
  resetDollParam(d, pilot);
  EXPECT_TRUE(d.isBlack());
  EXPECT_EQ(d.image, "0202");

  d.frame->image = "01";
  resetDollParam(d, pilot);
  EXPECT_EQ(d.image, "01");
  d.frame->image = "07";  // unknown picture types leave the code alone
  resetDollParam(d, pilot);
  EXPECT_EQ(d.image, "01");
}

}  // namespace
}  // namespace velko
