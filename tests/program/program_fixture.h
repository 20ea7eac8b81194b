#pragma once
// The program editor's model on a player's Doll whose software has known costs (AP 10,
// 32 memory), with the drags the screen turns mouse moves into.

#include <gtest/gtest.h>

#include "core/prompter.h"
#include "model/doll.h"
#include "program/program_model.h"
#include "support/scripted_dialog.h"

namespace velko::testing {

inline Action cost(int16_t ap, int16_t memory) {
  Action a;
  a.AP = ap;
  a.Memory = memory;
  return a;
}

inline SoftMobileRef mobile(const std::string& name, int16_t moveAP) {
  auto soft = std::make_shared<SoftMobile>();
  soft->name = name;
  soft->init2(cost(moveAP, 1), cost(3, 2), cost(3, 2));
  return soft;
}

inline SoftAttackRef attack(const std::string& name, int16_t punchAP) {
  auto soft = std::make_shared<SoftAttack>();
  soft->name = name;
  soft->init2(cost(punchAP, 2), cost(3, 2), cost(4, 3), cost(5, 4), cost(5, 4));
  return soft;
}

inline SoftDeffenceRef defence(const std::string& name) {
  auto soft = std::make_shared<SoftDeffence>();
  soft->name = name;
  soft->init2(cost(2, 1), cost(2, 1), cost(3, 2));
  return soft;
}

// The player's Doll with software of known costs, AP 10 and 32 memory.
class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    player.AP = 10;
    player.Memory = 32;
    player.setSoftM(0, mobile("ステッパー", 2));
    player.setSoftA(0, attack("ファイター", 2));
    player.setSoftD(0, defence("ガード"));
  }

  // Palette chip k is action k + 1.
  static int chipOf(int id) { return id - 1; }
  static int slot(int pattern, int position) { return pattern * Logic::kSlots + position; }

  void open() { model.Form_Load(); }
  void dropFromPalette(int id, int target) {
    model.dspAchip_MouseMove(chipOf(id));
    model.dspAction_DragDrop(target);
  }
  void dropFromGrid(int from, int target) {
    model.dspAction_MouseMove(from);
    model.dspAction_DragDrop(target);
  }
  void trashFromGrid(int from) {
    model.dspAction_MouseMove(from);
    model.dspTrash_DragDrop();
  }

  doll player;
  ScriptedDialog dialog;
  DialogPrompter prompter{dialog};
  ProgramModel model{player, prompter, true};
};

}  // namespace velko::testing
