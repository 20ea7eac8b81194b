// Opening the shop and buying: the stock shown, the starter software of a first visit, the
// money checks, full kinds, bought records, and the names of repeated protectors.

#include <algorithm>

#include "shop_fixture.h"

namespace velko::testing {
namespace {

using ::testing::ElementsAre;

using ShopBuyTest = ShopFixture;

TEST_F(ShopBuyTest, OpeningShowsTheMotorStockAndPlaysTheShopTheme) {
  ShopModel& s = open();
  EXPECT_EQ(music.played.back(), "midi/jzz33xg.mid");
  EXPECT_EQ(s.ComboShop, 0);
  EXPECT_EQ(s.lblPlayerRl(), " 1000");
  EXPECT_EQ(s.stock.headingCount(), 5);
  EXPECT_EQ(s.stock.lblAbl[2], "パワー");
  ASSERT_EQ(s.stock.List1.size(), 19u);
  EXPECT_EQ(s.stock.List1[0], "ウィーク");
  EXPECT_EQ(s.stock.lblRl[0], " 101");
  EXPECT_EQ(s.stock.dspAbl[0][1], " 8");
  EXPECT_EQ(s.stock.dspAbl[1][1], " 60");
  EXPECT_EQ(s.stock.List1[2], "");  // not in the catalogue: the row stays, blank
  EXPECT_EQ(s.getRl(1), 300);

  s.dsp_Parts(1);
  EXPECT_THAT(s.stock.List1, ElementsAre("修羅", "羅刹", "バルキリー", "ダフネ"));
  EXPECT_EQ(s.stock.lblAbl[6], "重量");
  s.dsp_Parts(3);
  EXPECT_EQ(s.stock.dspAbl[0][0], " 1.5");
  EXPECT_EQ(s.stock.dspAbl[1][0], " 0.25");
  EXPECT_EQ(s.stock.List1.size(), 19u);

  // A blank row sells nothing.
  s.dsp_Parts(0);
  s.List1_Click(2);
  EXPECT_TRUE(dialog.shown.empty());

  // With music off the shop stays silent.
  music.played.clear();
  state.playMusic = false;
  open();
  EXPECT_TRUE(music.played.empty());
}

TEST_F(ShopBuyTest, StarterSoftwareComesOnTheFirstVisitOnly) {
  EXPECT_TRUE(open().changedAnything());
  EXPECT_EQ(player().getSoftM(0)->name, "ステッパー");
  EXPECT_EQ(player().getSoftA(0)->name, "ファイター");
  EXPECT_EQ(player().getSoftD(0)->name, "ガード");
  EXPECT_EQ(player().getSoftA(0)->punch->AP, 2);
  EXPECT_EQ(player().Rl, 1000);

  EXPECT_FALSE(open().changedAnything());  // a look round changes nothing a save keeps
  EXPECT_EQ(player().getSoftA(1)->name, "");
  EXPECT_EQ(player().getSoftM(1)->name, "");
  EXPECT_EQ(player().getSoftD(1)->name, "");
  // The software is not among the parts the shop lists.
  EXPECT_TRUE(shop->ListOwnParts[kListNew].empty());
  EXPECT_TRUE(dialog.shown.empty());
  buy(0, 0);
  EXPECT_TRUE(shop->changedAnything());
}

TEST_F(ShopBuyTest, BuyingAsksTakesTheMoneyAndListsTheNewPart) {
  ShopModel& s = open();
  player().Rl = 300;
  dialog.answer(kAnswerCancel);
  buy(0, 1);
  EXPECT_EQ(player().Rl, 300);
  EXPECT_EQ(player().getMotor(0)->name, "");

  buy(0, 1);  // the price equals the money
  ASSERT_EQ(dialog.shown.size(), 2u);
  EXPECT_EQ(dialog.shown[1].request.caption, "タフ");
  EXPECT_EQ(dialog.shown[1].request.text, "購入しますか？");
  EXPECT_EQ(player().Rl, 0);
  EXPECT_EQ(s.lblPlayerRl(), " 0");
  ASSERT_EQ(s.ListOwnParts[kListNew].size(), 1u);
  EXPECT_EQ(s.ListOwnParts[kListNew][0].name, "タフ");
  EXPECT_EQ(s.ListOwnParts[kListNew][0].code, 1002);
  const Motor& bought = *player().getMotor(0);
  EXPECT_TRUE(bought.isNew);
  EXPECT_EQ(bought.HP, 60);
  EXPECT_EQ(bought.maxHP, 60);

  dialog.shown.clear();
  buy(0, 0);
  EXPECT_THAT(plainBoxes(), ElementsAre("お金が足りません"));
  EXPECT_EQ(dialog.shown.size(), 1u);  // no question asked
  EXPECT_EQ(player().getMotor(1)->name, "");

  player().Rl = 1000;
  buy(1, 3);
  EXPECT_EQ(s.ListOwnParts[kListNew].back().code, 2004);
  EXPECT_EQ(player().getFrame(0)->maxHP, 80);
}

TEST_F(ShopBuyTest, TwoPurchasesOfOneMotorAreRecordsOfTheirOwn) {
  open();
  buy(0, 0);
  buy(0, 0);
  player().getMotor(0)->HP = 0;
  EXPECT_EQ(player().getMotor(1)->HP, 45);
}

TEST_F(ShopBuyTest, AFullKindIsRefusedWithoutTakingMoney) {
  ShopModel& s = open();
  player().Rl = 32767;
  // Selector index, stock row, how many the inventory takes.
  const int kinds[5][3] = {{0, 0, 4}, {1, 0, 4}, {2, 0, 5}, {3, 1, 10}, {4, 0, 4}};
  for (const auto& [kind, row, fits] : kinds) {
    SCOPED_TRACE(kind);
    for (int k = 0; k < fits; ++k)
      buy(kind, row);
    dialog.shown.clear();
    const int16_t money = player().Rl;
    const size_t listed = s.ListOwnParts[kListNew].size();
    buy(kind, row);
    EXPECT_THAT(plainBoxes(), ElementsAre("これ以上買えません"));
    EXPECT_EQ(player().Rl, money);
    EXPECT_EQ(s.ListOwnParts[kListNew].size(), listed);
  }
  EXPECT_EQ(player().getBooster(5)->name, "");
}

TEST_F(ShopBuyTest, RepeatedProtectorsAreNumberedAndNeverShareAName) {
  ShopModel& s = open();
  buy(3, 0);
  buy(3, 0);
  buy(3, 0);
  EXPECT_THAT(names(kListNew), ElementsAre("スチール", "スチール1", "スチール2"));
  EXPECT_EQ(s.ListOwnParts[kListNew][2].code, 4001);
  EXPECT_EQ(player().countProtector(1), 3);

  // Used plates count too.
  player().useAllParts();
  s.dspInit();
  buy(3, 0);
  EXPECT_EQ(names(kListNew).back(), "スチール3");

  // After "スチール" has gone, three remain and the fourth is taken: the count moves on.
  s.sel_rtn(0, kListUsed);
  buy(3, 0);
  EXPECT_EQ(player().getProtector(3)->name, "スチール4");

  // One sold from the middle: the count gives a name still owned ("スチール3"), so the next is
  // numbered past the highest owned.
  const std::vector<std::string> used = names(kListUsed);
  const auto middle = std::find(used.begin(), used.end(), "スチール2");
  ASSERT_NE(middle, used.end());
  s.sel_rtn(static_cast<int>(middle - used.begin()), kListUsed);
  buy(3, 0);
  EXPECT_EQ(names(kListNew).back(), "スチール5");
}

TEST_F(ShopBuyTest, GuideTextsHintsAndPaging) {
  ShopModel& s = open();
  EXPECT_TRUE(s.paneGuideVisible);
  EXPECT_EQ(s.dspGuide,
            "　ここでDollのパーツを買います。\n\n"
            "　Dollには最低でも、モーター、フレーム、ハードウェアが必要です。\n"
            "　コンボボックスでパーツの種類を選択し、リストからパーツを選んで下さい。\n");
  s.dspGuide_Click();  // the opening text gives way to the selected kind's
  EXPECT_EQ(s.dspGuide,
            "モーターはパワーを扱うパーツです。\n"
            "パワーの数値が高いほど、攻撃が当たった時の効果が大きくなります。▼\n");
  s.dsp_Parts(3);
  EXPECT_EQ(s.dspGuide,
            "プロテクタは防御力を扱うパーツです。\nACの数値が高いほどダメージが軽減されます。▼\n");
  s.dspGuide_Click();  // closes: never back to a kind no longer selected
  EXPECT_FALSE(s.paneGuideVisible);

  dialog.answer(kAnswerCancel);
  buy(1, 3);
  EXPECT_TRUE(s.paneGuideVisible);
  EXPECT_EQ(s.dspGuide,
            "女性型のフレームです。\nブースターの助けなしに移動・ジャンプできます。\n"
            "回転はできません。▼\n");

  s.lblAbl_MouseMove(3);
  EXPECT_EQ(s.dspMsg, "ジャンプ力：ジャンプ攻撃のダメージが大きくなります");
  s.lblAbl_MouseMove(1);
  EXPECT_EQ(s.dspMsg, "値段");
  s.lblAbl_MouseMove(0);
  EXPECT_EQ(s.dspMsg, "");
  s.lblAbl_MouseMove(6);
  EXPECT_EQ(s.dspMsg, "重量：軽いほど移動やジャンプ、回転力が上がります");
  s.Form_MouseMove();
  EXPECT_EQ(s.dspMsg, "");

  open();
  shop->dsp_Parts(3);  // a kind chosen before any click: the click closes at once
  shop->dspGuide_Click();
  EXPECT_FALSE(shop->paneGuideVisible);

  // With the guide off the pane stays hidden and frames are bought without a description.
  state.guideOn = false;
  open();
  EXPECT_FALSE(shop->paneGuideVisible);
  dialog.answer(kAnswerCancel);
  buy(1, 0);
  EXPECT_FALSE(shop->paneGuideVisible);
}

}  // namespace
}  // namespace velko::testing
