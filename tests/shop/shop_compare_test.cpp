// Comparing before buying: the preview of every part on sale in the shipped catalogue is what
// the workshop shows after buying and mounting that part for real.

#include "shop/shop_compare.h"

#include <gtest/gtest.h>

#include "career/career_state.h"
#include "data/catalogue/catalogue.h"
#include "shop/shop_kinds.h"
#include "shop/shop_model.h"
#include "support/career_fakes.h"
#include "support/scripted_dialog.h"
#include "support/test_career.h"
#include "workshop/assembly.h"

namespace velko::testing {
namespace {

// A player with the first part of every kind bought and mounted, and plenty of money.
struct ShippedShop : TestCareer {
  ShippedShop() : TestCareer(3, GameFolder(VELKO_GAME_DIR)) {
    state.player().Rl = 32000;
    state.player().skillPlay = 14;
    open();
    for (int kind = 0; kind < 5; ++kind) {
      shop->dsp_Parts(kind);
      shop->buy_rtn(0);
      ListPart_Click(state, kind, 0, prompter);
    }
    open();
  }

  void open() {
    shop = std::make_unique<ShopModel>(state, services);
    shop->Form_Load();
  }

  std::unique_ptr<ShopModel> shop;
};

void expectSame(const DollStats& a, const DollStats& b, const std::string& where) {
  EXPECT_EQ(a.pow, b.pow) << where;
  EXPECT_EQ(a.offence, b.offence) << where;
  EXPECT_EQ(a.defence, b.defence) << where;
  EXPECT_EQ(a.move, b.move) << where;
  EXPECT_EQ(a.jump, b.jump) << where;
  EXPECT_EQ(a.spin, b.spin) << where;
  EXPECT_DOUBLE_EQ(a.AC, b.AC) << where;
  EXPECT_DOUBLE_EQ(a.weight, b.weight) << where;
  EXPECT_EQ(a.AP, b.AP) << where;
  EXPECT_EQ(a.memory, b.memory) << where;
  EXPECT_EQ(a.value, b.value) << where;
  EXPECT_EQ(a.motorHP, b.motorHP) << where;
  EXPECT_EQ(a.frameHP, b.frameHP) << where;
  EXPECT_EQ(a.className, b.className) << where;
}

TEST(ShopCompare, ThePreviewOfEveryShippedPartIsTheDollAfterBuyingAndMountingIt) {
  int compared = 0;
  for (int kind = 0; kind < 5; ++kind) {
    for (int row = 0;; ++row) {
      ShippedShop game;
      game.shop->dsp_Parts(kind);
      if (row >= static_cast<int>(game.shop->stock.List1.size())) break;
      const std::string where = kShopKindNames[kind] + std::string(" row ") + std::to_string(row);
      const std::optional<PartComparison> preview = game.shop->comparison(row);
      if (game.shop->stock.List1[row].empty()) {
        EXPECT_FALSE(preview) << where;
        continue;
      }
      ASSERT_TRUE(preview) << where;
      const DollStats before = describe(game.state.playerDoll(), game.state.player());
      expectSame(preview->now, before, where);

      // Buy it and mount it from the workshop's list, as the player would.
      const int owned = static_cast<int>(dspParts(game.state.player(), kind).size()) - 1;
      game.shop->buy_rtn(row);
      ASSERT_EQ(static_cast<int>(dspParts(game.state.player(), kind).size()) - 1, owned + 1);
      ListPart_Click(game.state, kind, owned, game.prompter);
      dspDoll(game.state);
      expectSame(preview->then, describe(game.state.playerDoll(), game.state.player()), where);
      ++compared;
    }
  }
  // 19 motors, boosters, protectors and computers, 4 frames.
  EXPECT_EQ(compared, 19 * 4 + 4);
}

// A frame destroyed in a fight leaves the motor mounted: a frame's preview keeps it.
TEST(ShopCompare, AFrameIsComparedOnTheDollAsItIsWhenItsFrameWasDestroyed) {
  ShippedShop game;
  doll& d = game.state.playerDoll();
  d.Motor->HP = 12;
  d.frame = std::make_shared<DollFrame>();
  game.shop->dsp_Parts(kFrameKind);
  const std::optional<PartComparison> c = game.shop->comparison(0);  // 修羅
  ASSERT_TRUE(c);
  EXPECT_EQ(c->now.pow, d.Motor->pow);
  EXPECT_EQ(c->then.pow, d.Motor->pow);
  EXPECT_DOUBLE_EQ(c->then.weight, c->now.weight + 2);
  EXPECT_GT(c->now.weight, 0);
  const auto row = [&](const std::string& label) {
    for (const CompareRow& r : c->rows)
      if (r.label == label) return r.now + "→" + r.then;
    return std::string("none");
  };
  EXPECT_EQ(row("モーターHP"), " 12→ 12");
  EXPECT_EQ(row("フレームHP"), " 0→ 85");
}

TEST(ShopCompare, APreviewLeavesTheDollAsItWas) {
  ShippedShop game;
  const doll& d = game.state.playerDoll();
  const MotorRef motor = d.Motor;
  const int16_t value = d.value;
  game.shop->dsp_Parts(kProtectorKind);
  ASSERT_TRUE(game.shop->comparison(5));
  game.shop->dsp_Parts(kMotorKind);
  ASSERT_TRUE(game.shop->comparison(5));
  EXPECT_EQ(d.Motor, motor);
  EXPECT_EQ(d.value, value);
  EXPECT_EQ(d.getProtector(1)->name, "");
}

TEST(ShopCompare, SaysSoWhenTheDollWouldMoveUpAClassAndWhenAPartDoesNotFit) {
  Owner pilot;
  doll d;
  d.Motor = std::make_shared<Motor>(Motor{1, "M", 5, 2500, 10, 10, 5, true});
  auto booster = std::make_shared<Booster>(Booster{1, "B", 3, 3, 3, 1, 1, 1, true});
  PartComparison up = comparePart(d, pilot, booster);
  EXPECT_EQ(up.now.className, "Novice");
  EXPECT_EQ(up.then.className, "Expert");
  EXPECT_NE(up.classNotice.find("NoviceからExpert"), std::string::npos);

  auto steel = std::make_shared<Protector>(Protector{2, "P", 1.5, 10, 4, true});
  const PartComparison armour = comparePart(d, pilot, steel);
  const auto changeOf = [&](const std::string& label) {
    for (const CompareRow& row : armour.rows)
      if (row.label == label) return row.change;
    ADD_FAILURE() << label;
    return Change::Same;
  };
  EXPECT_EQ(changeOf("アーマークラス"), Change::Better);
  EXPECT_EQ(changeOf("重量"), Change::Worse);  // heavier is worse
  EXPECT_EQ(changeOf("移動力"), Change::Same);
  EXPECT_EQ(changeOf("価値"), Change::Neutral);

  d.addBooster(booster);
  const PartComparison same = comparePart(d, pilot, booster);  // one booster of each name
  EXPECT_FALSE(same.fits);
  EXPECT_EQ(same.classNotice, "");
  EXPECT_EQ(same.then.value, same.now.value);
}

}  // namespace
}  // namespace velko::testing
