#pragma once
// A running game in a temporary game folder: a small catalogue, an opponent registry filled
// through the game's own registration, a programmed player Doll, and the fakes around them.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "career/career_state.h"
#include "career/game.h"
#include "data/registry/registry_write.h"
#include "model/doll_stats.h"
#include "support/career_fakes.h"
#include "support/scripted_dialog.h"
#include "support/temp_folder.h"

namespace velko::testing {

class CareerFixture : public ::testing::Test {
 protected:
  CareerFixture() {
    // Motor 1 breaks at one good punch; motor 9 does not exist, so a registry Doll that names
    // it is broken from the start.
    folder.writeCp932("ini/Motor.ini", ".1\nウィーク\n100\n3,5,1\n.2\nタフ\n300\n8,60,2\n");
    folder.writeCp932("ini/Frame.ini", ".1\n修羅\n300\n5,6,0,0,0\n110,2\n01\n");
    folder.writeCp932("ini/Hardware.ini", ".1\nベーシック\n150\n2,40\n");
    folder.writeCp932("ini/Software1.ini", ".2\nステッパー\n50\n0,0,0\n0,0,0\n");
    folder.writeCp932("ini/Software2.ini", ".5\nファイター\n80\n2,0,0,0,0\n1,0,0,0,0\n");
    folder.writeCp932("ini/Software3.ini", ".1\nガード\n40\n0,0,0\n0,0,0\n");
    folder.writeBytes("ini/Booster.ini", "");
    folder.writeBytes("ini/Protector.ini", "");
    folder.writeBytes("save/EDollsv.ini", "");
    folder.writeBytes("save/ELogicsv.ini", "");
    buildPlayer();
  }

  void buildPlayer() {
    Owner& p = state.player();
    p.Rl = 1000;
    p.skillPlay = 10;
    auto motor = std::make_shared<Motor>();
    *motor = Motor{2, "タフ", 8, 300, 60, 60, 2, true};
    auto frame = std::make_shared<DollFrame>();
    frame->ID = 1;
    frame->name = "修羅";
    frame->Rl = 300;
    frame->offence = 5;
    frame->defence = 6;
    frame->HP = frame->maxHP = 110;
    frame->weight = 2;
    frame->image = "01";
    auto hard = std::make_shared<Hard>(Hard{1, "ベーシック", 150, 2, 40, true});
    auto softA = std::make_shared<SoftAttack>();
    softA->init(5, "ファイター", 80);
    softA->punch->AP = 2;
    softA->punch->Memory = 1;
    auto softD = std::make_shared<SoftDeffence>();
    softD->init(1, "ガード", 40);
    auto softM = std::make_shared<SoftMobile>();
    softM->init(2, "ステッパー", 50);
    p.setMotor(motor);
    p.setFrame(frame);
    p.setHard(hard);
    p.setSoftA(softA);
    p.setSoftD(softD);
    p.setSoftM(softM);

    doll& d = state.playerDoll();
    d.name = "ヴェルコ";
    d.Motor = motor;
    d.frame = frame;
    d.Hard = hard;
    auto punch = std::make_shared<Logic>();
    punch->name = "正拳";
    punch->addAction(softA->punch, prompter);
    d.setLogics(punch, 0);
    d.programed = true;
  }

  // Registers a computer opponent "敵n" worth `value`, with the given motor ID.
  int16_t registerOpponent(int n, int16_t motorId, int16_t value = 1000) {
    doll d;
    d.name = "敵" + std::to_string(n);
    d.Motor->ID = motorId;
    d.Motor->name = "m";
    d.frame->ID = 1;
    d.frame->name = "f";
    d.value = value;
    d.AP = 2;
    return entryEnemy(game(), d, prompter);
  }

  GameFolder game() const { return GameFolder(folder.path()); }

  TempFolder folder;
  ScriptedRandom rnd;
  ScriptedDialog dialog;
  DialogPrompter prompter{dialog};
  FakeMusic music;
  ClockRandom setupRnd{1};  // the fresh records' money; the career's dice come from rnd
  CareerState state{setupRnd};
  CareerServices services{GameFolder(folder.path()), rnd, prompter, music};
  HeadlessNavigator nav{state, services};
  Game career{state, services, nav};
};

// The shown dialogs as "caption|text" lines, for exact comparison.
inline std::vector<std::string> captionsAndTexts(const ScriptedDialog& dialog) {
  std::vector<std::string> all;
  for (const auto& s : dialog.shown)
    all.push_back(s.request.caption + "|" + s.request.text);
  return all;
}

}  // namespace velko::testing
