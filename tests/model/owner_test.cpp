#include "model/owner.h"

#include <gtest/gtest.h>

#include "career/new_player.h"
#include "core/random.h"

namespace velko {
namespace {

MotorRef motor(int16_t id, bool isNew) {
  auto m = std::make_shared<Motor>();
  m->ID = id;
  m->name = "M" + std::to_string(id);
  m->isNew = isNew;
  return m;
}

template <typename T>
std::shared_ptr<T> named(int16_t id, const std::string& name) {
  auto p = std::make_shared<T>();
  p->ID = id;
  p->name = name;
  return p;
}

TEST(Owner, FreshRecordHasTheGamesDefaultsAndRolledMoney) {
  ScriptedRandom low({0.0, 0.0});
  const std::shared_ptr<Owner> fresh = freshOwner(low);
  Owner& poor = *fresh;
  EXPECT_EQ(poor.Rl, 1400);
  EXPECT_EQ(poor.name, "秋津遥人");
  EXPECT_EQ(poor.Lv, 0);
  EXPECT_EQ(poor.getMotor(3)->name, "");
  ScriptedRandom high({0.9999, 0.9999});
  EXPECT_EQ(freshOwner(high)->Rl, 2400);
  EXPECT_EQ(Owner().Rl, 0);  // a record to be read from a file rolls nothing
  ClockRandom rnd(7);
  for (int i = 0; i < 200; ++i) {
    poor.putInitRl(rnd);
    EXPECT_GE(poor.Rl, 1400);
    EXPECT_LE(poor.Rl, 2400);
    EXPECT_EQ(poor.Rl % 100, 0);
  }
}

TEST(Owner, StoringStopsAtAFullKind) {
  Owner owner;
  for (int i = 1; i <= 4; ++i)
    EXPECT_TRUE(owner.setFrame(named<DollFrame>(i, "F")));
  auto extra = named<DollFrame>(9, "F9");
  EXPECT_FALSE(owner.setFrame(extra));
  for (int i = 0; i < 4; ++i)
    EXPECT_NE(owner.getFrame(i), extra);

  // Boosters: only the first five of the ten slots take a purchase.
  for (int i = 1; i <= 5; ++i)
    EXPECT_TRUE(owner.setBooster(named<Booster>(i, "B")));
  EXPECT_FALSE(owner.setBooster(named<Booster>(6, "B6")));
  EXPECT_EQ(owner.getBooster(5)->name, "");
  for (int i = 1; i <= 10; ++i)
    EXPECT_TRUE(owner.setProtector(named<Protector>(i, "P")));
  EXPECT_FALSE(owner.setProtector(named<Protector>(11, "P")));
}

TEST(Owner, TakingOutRemovesTheFirstMatchOfIdAndFlagAndShiftsDown) {
  Owner owner;
  owner.setMotor(motor(3, false));
  owner.setMotor(motor(3, true));
  owner.setMotor(motor(5, true));
  owner.removeMotor(3, true);
  EXPECT_EQ(owner.getMotor(0)->ID, 3);
  EXPECT_FALSE(owner.getMotor(0)->isNew);
  EXPECT_EQ(owner.getMotor(1)->ID, 5);
  EXPECT_EQ(owner.getMotor(2)->name, "");
  EXPECT_EQ(owner.getMotor(3)->name, "");
  owner.removeMotor(7, true);  // not owned: nothing changes
  EXPECT_EQ(owner.getMotor(1)->ID, 5);

  auto first = named<Protector>(2, "スチール");
  auto second = named<Protector>(2, "スチール");
  owner.setProtector(first);
  owner.setProtector(second);
  EXPECT_EQ(owner.countProtector(2), 2);
  owner.removeProtect(2, true);
  EXPECT_EQ(owner.countProtector(2), 1);
  EXPECT_EQ(owner.getProtector(0), second);
  EXPECT_EQ(owner.countProtector(4), 0);
}

TEST(Owner, UseAllPartsAndRemoveAllPartCoverEverySlot) {
  Owner owner;
  owner.setMotor(motor(1, true));
  auto last = named<Protector>(3, "P");
  for (int i = 0; i < 10; ++i)
    owner.setProtector(i == 9 ? last : named<Protector>(3, "P"));
  owner.setSoftA(named<SoftAttack>(5, "A"));
  owner.useAllParts();
  EXPECT_FALSE(owner.getMotor(0)->isNew);
  EXPECT_FALSE(last->isNew);
  EXPECT_FALSE(owner.getSoftA(0)->isNew);
  EXPECT_FALSE(owner.getHard(3)->isNew);  // blank records too
  owner.removeAllPart();
  EXPECT_EQ(owner.getProtector(9)->name, "");
  EXPECT_TRUE(owner.getProtector(9)->isNew);
  EXPECT_EQ(owner.getMotor(0)->ID, 0);
}

}  // namespace
}  // namespace velko
