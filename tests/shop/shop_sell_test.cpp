// Returning new parts and selling used ones: the question, the money with its rounding, the
// Doll stripped of the kind, and the refusals.

#include "shop_fixture.h"

#include "coach/build_advice.h"

namespace velko::testing {
namespace {

using ::testing::ElementsAre;

using ShopSellTest = ShopFixture;

TEST_F(ShopSellTest, NewPartsReturnAtFullPriceUsedOnesSellForHalf) {
  ShopModel& s = open();
  buy(0, 0);
  EXPECT_EQ(player().Rl, 899);
  dialog.shown.clear();
  s.ListOwnParts_Click(kListNew, 0);
  ASSERT_EQ(dialog.shown.size(), 1u);
  EXPECT_EQ(dialog.shown[0].request.caption, "VELKO");
  EXPECT_EQ(dialog.shown[0].request.text, "ウィーク（ 101Rl）\n返品しますか？");
  EXPECT_TRUE(dialog.shown[0].request.safeDefault);
  EXPECT_EQ(player().Rl, 1000);
  EXPECT_TRUE(s.ListOwnParts[kListNew].empty());
  EXPECT_EQ(player().getMotor(0)->name, "");

  // After a load every part is used: 101 shows as 50 (50.5 to even), and the sum is rounded
  // as a whole, so with money 1 it comes to 52.
  buy(0, 0);
  buy(0, 0);
  player().useAllParts();
  open();
  EXPECT_THAT(names(kListUsed), ElementsAre("ウィーク", "ウィーク"));
  EXPECT_TRUE(shop->ListOwnParts[kListNew].empty());
  player().Rl = 0;
  dialog.shown.clear();
  EXPECT_FALSE(shop->changedAnything());
  shop->ListOwnParts_Click(kListUsed, 0);
  EXPECT_TRUE(shop->changedAnything());
  EXPECT_EQ(dialog.shown[0].request.text, "ウィーク（ 50Rl）\n返品しますか？");
  EXPECT_EQ(player().Rl, 50);
  player().Rl = 1;
  shop->ListOwnParts_Click(kListUsed, 0);
  EXPECT_EQ(player().Rl, 52);
  EXPECT_EQ(shop->lblPlayerRl(), " 52");
  EXPECT_TRUE(shop->ListOwnParts[kListUsed].empty());
}

// The coach's trades, made one after the other by the shop, leave exactly the money the
// proposal said: each half price is rounded with the money it joins, as a sale rounds it
// (1001 + 50.5 + 50.5 - 750 is 352, not 351).
TEST_F(ShopSellTest, ATradeListLeavesExactlyTheMoneyItsProposalSaid) {
  ShopModel& s = open();
  buy(0, 0);
  buy(0, 0);
  player().useAllParts();
  player().Rl = 1001;
  open();
  ShopTables tables;
  readShopTables(services.folder, tables);
  BuildPlan plan;
  plan.motor = 2;
  plan.frame = 1;
  plan.hard = 1;
  const TradeList trades = tradesFor(plan, ownedShopParts(player(), tables), tables);
  ASSERT_EQ(trades.sales.size(), 2u);
  ASSERT_EQ(trades.purchases.size(), 3u);
  const int16_t said = moneyAfterTrades(player().Rl, trades);
  EXPECT_EQ(said, 352);
  dialog.shown.clear();
  EXPECT_TRUE(shop->applyTrades(trades));
  EXPECT_TRUE(dialog.shown.empty());  // the one question was the screen's, before
  EXPECT_EQ(player().Rl, said);
  EXPECT_TRUE(shop->ListOwnParts[kListUsed].empty());
  EXPECT_THAT(names(kListNew), ElementsAre("タフ", "修羅", "ベーシック"));
  (void)s;
}

TEST_F(ShopSellTest, NewAndUsedOfOneIdAreTakenOutSeparately) {
  ShopModel& s = open();
  buy(0, 0);
  player().useAllParts();
  s.dspInit();
  buy(0, 0);
  s.ListOwnParts_Click(kListNew, 0);
  EXPECT_FALSE(player().getMotor(0)->isNew);
  EXPECT_EQ(player().getMotor(1)->name, "");
  EXPECT_THAT(names(kListUsed), ElementsAre("ウィーク"));
}

TEST_F(ShopSellTest, CancelChangesNothing) {
  ShopModel& s = open();
  buy(0, 1);
  dialog.answer(kAnswerCancel);
  s.ListOwnParts_Click(kListNew, 0);
  EXPECT_EQ(player().Rl, 700);
  EXPECT_EQ(player().getMotor(0)->name, "タフ");
  EXPECT_EQ(s.ListOwnParts[kListNew].size(), 1u);
}

TEST_F(ShopSellTest, ASaleStripsTheDollOfTheWholeKind) {
  ShopModel& s = open();
  player().Rl = 32000;
  buy(0, 0);
  buy(0, 1);
  buy(2, 0);
  buy(2, 1);
  buy(3, 0);
  buy(4, 0);
  doll& d = state.playerDoll();
  d.Motor = player().getMotor(1);
  d.Hard = player().getHard(0);
  d.programed = true;
  d.addBooster(player().getBooster(0));
  d.addBooster(player().getBooster(1));
  d.addProtector(player().getProtector(0), prompter);
  d.frame = std::make_shared<DollFrame>();
  d.frame->name = "修羅";  // a frame the shop does not touch when other kinds go

  s.ListOwnParts_Click(kListNew, 0);  // the motor not mounted: the Doll's motor goes too
  EXPECT_EQ(d.Motor->name, "");
  EXPECT_EQ(player().getMotor(0)->name, "タフ");

  s.ListOwnParts_Click(kListNew, 1);  // one booster: all of them come off
  EXPECT_EQ(d.getBoost(0)->name, "");
  EXPECT_EQ(d.getBoost(1)->name, "");
  EXPECT_EQ(player().getBooster(0)->name, "B2");

  EXPECT_EQ(s.ListOwnParts[kListNew][2].code, 4001);
  s.ListOwnParts_Click(kListNew, 2);
  EXPECT_EQ(d.getProtector(0)->name, "");
  EXPECT_EQ(d.AC, 0);

  EXPECT_TRUE(d.programed);
  EXPECT_EQ(s.ListOwnParts[kListNew][2].code, 5001);
  s.ListOwnParts_Click(kListNew, 2);
  EXPECT_EQ(d.Hard->name, "");
  EXPECT_FALSE(d.programed);
  EXPECT_EQ(d.frame->name, "修羅");
  EXPECT_THAT(names(kListNew), ElementsAre("タフ", "B2"));
}

TEST_F(ShopSellTest, ARefundStopsAt32767) {
  ShopModel& s = open();
  buy(0, 1);
  player().Rl = 32700;
  s.ListOwnParts_Click(kListNew, 0);
  EXPECT_EQ(player().Rl, 32767);
}

TEST_F(ShopSellTest, ARowOfNoKnownPartIsRefused) {
  ShopModel& s = open();
  s.ListOwnParts[kListUsed].push_back({"謎", 9001});
  s.ListOwnParts[kListUsed].push_back({"幻", 1007});  // a motor ID the catalogue lacks
  s.ListOwnParts_Click(kListUsed, 0);
  s.ListOwnParts_Click(kListUsed, 1);
  EXPECT_THAT(plainBoxes(), ElementsAre("パーツが見つかりません", "パーツが見つかりません"));
  EXPECT_EQ(player().Rl, 1000);
}

TEST_F(ShopSellTest, ABrokenCatalogueIsToldAndTheShopStillOpens) {
  std::filesystem::remove(folder.path() / "ini" / "Booster.ini");
  ShopModel& s = open();
  ASSERT_EQ(plainBoxes().size(), 1u);
  EXPECT_EQ(s.stock.List1[0], "ウィーク");  // motors were read before the fault
  s.dsp_Parts(2);
  s.List1_Click(0);
  EXPECT_EQ(dialog.shown.size(), 1u);
}

}  // namespace
}  // namespace velko::testing
