#include "model/parts.h"

#include <gtest/gtest.h>

#include "model/software.h"

namespace velko {
namespace {

TEST(Parts, FreshRecordsAreEmptyAndNew) {
  DollFrame frame;
  EXPECT_EQ(frame.image, "00");
  EXPECT_TRUE(frame.name.empty());
  EXPECT_TRUE(frame.isNew);
  SoftDeffence soft;
  EXPECT_EQ(soft.block->ID, kBlock);
  EXPECT_EQ(soft.hazusi->name, "外し");
}

TEST(Parts, ProtectorCloneIsANewRecordOfItsOwn) {
  Protector used;
  used.ID = 8;
  used.name = "カーボン";
  used.AC = 2.5;
  used.Rl = 260;
  used.weight = 0.5;
  used.isNew = false;
  auto copy = used.clone();
  EXPECT_TRUE(copy->isNew);
  EXPECT_EQ(copy->ID, 8);
  EXPECT_EQ(copy->name, "カーボン");
  EXPECT_DOUBLE_EQ(copy->AC, 2.5);
  EXPECT_DOUBLE_EQ(copy->weight, 0.5);
  EXPECT_EQ(copy->Rl, 260);
}

TEST(Parts, DefenceInit2TakesBlockUkeHazusiInThatOrder) {
  SoftDeffence soft;
  Action x, y, z;
  x.AP = 1;
  x.Memory = 11;
  y.AP = 2;
  y.Memory = 12;
  z.AP = 3;
  z.Memory = 13;
  soft.init(4, "鉄壁", 600);
  soft.init2(x, y, z);
  EXPECT_EQ(soft.block->AP, 1);
  EXPECT_EQ(soft.block->Memory, 11);
  EXPECT_EQ(soft.uke->AP, 2);
  EXPECT_EQ(soft.hazusi->Memory, 13);
  // The software's own actions keep their IDs and names.
  EXPECT_EQ(soft.block->ID, kBlock);
  EXPECT_EQ(soft.uke->name, "受身");
  EXPECT_EQ(soft.ID, 4);
  EXPECT_EQ(soft.Rl, 600);
}

}  // namespace
}  // namespace velko
