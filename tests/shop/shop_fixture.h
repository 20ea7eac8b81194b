#pragma once
// A shop on a small catalogue in a temporary game folder, with a scripted dialog and a music
// player that always plays. Motor 1 has an odd price to show the rounding of half prices.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "career/career_state.h"
#include "shop/shop_model.h"
#include "support/career_fakes.h"
#include "support/scripted_dialog.h"
#include "support/temp_folder.h"

namespace velko::testing {

class ShopFixture : public ::testing::Test {
 protected:
  ShopFixture() {
    folder.writeCp932("ini/Motor.ini", ".1\nウィーク\n101\n3,45,1\n.2\nタフ\n300\n8,60,2\n");
    folder.writeCp932("ini/Frame.ini",
                      ".1\n修羅\n300\n5,6,0,0,0\n110,2\n01\n"
                      ".2\n羅刹\n750\n8,7,0,0,0\n150,3\n01\n"
                      ".3\nバルキリー\n900\n6,6,8,8,6\n90,1\n02\n"
                      ".4\nダフネ\n550\n5,5,9,7,0\n80,1\n02\n"
                      ".5\n足軽\n200\n4,4,0,0,0\n80,2\n01\n");
    std::string boosters;
    for (int id = 1; id <= 6; ++id)
      boosters += "." + std::to_string(id) + "\nB" + std::to_string(id) + "\n50\n6,0,0\n10,0\n";
    folder.writeCp932("ini/Booster.ini", boosters);
    folder.writeCp932("ini/Protector.ini", ".1\nスチール\n90\n1.5,0.25\n.2\nレザー\n40\n0.5,0.5\n");
    folder.writeCp932("ini/Hardware.ini", ".1\nベーシック\n150\n1,32\n");
    folder.writeCp932("ini/Software1.ini", ".2\nステッパー\n50\n2,3,3\n2,2,2\n");
    folder.writeCp932("ini/Software2.ini", ".5\nファイター\n80\n2,3,3,4,4\n1,2,2,3,3\n");
    folder.writeCp932("ini/Software3.ini", ".1\nガード\n40\n1,2,2\n1,1,1\n");
    state.player().Rl = 1000;
  }

  // Opens a fresh shop, as the workshop does on every visit.
  ShopModel& open() {
    shop = std::make_unique<ShopModel>(state, services);
    shop->Form_Load();
    return *shop;
  }

  // Buys stock row `row` of selector index `kind`, confirming.
  void buy(int kind, int row) {
    shop->dsp_Parts(kind);
    shop->List1_Click(row);
  }

  std::vector<std::string> names(int list) const {
    std::vector<std::string> all;
    for (const OwnedRow& r : shop->ListOwnParts[list])
      all.push_back(r.name);
    return all;
  }

  std::vector<std::string> plainBoxes() const {
    std::vector<std::string> all;
    for (const auto& s : dialog.shown)
      if (s.plainBox) all.push_back(s.request.text);
    return all;
  }

  Owner& player() { return state.player(); }

  TempFolder folder;
  ScriptedRandom rnd;
  ScriptedDialog dialog;
  DialogPrompter prompter{dialog};
  FakeMusic music;
  ClockRandom setupRnd{1};
  CareerState state{setupRnd};
  CareerServices services{GameFolder(folder.path()), rnd, prompter, music};
  std::unique_ptr<ShopModel> shop;
};

}  // namespace velko::testing
