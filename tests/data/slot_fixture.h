#pragma once
// A game folder in a temporary folder, with the built catalogue and factory files under ini/,
// and the shared state a save slot reads and writes.

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/game_date.h"
#include "core/prompter.h"
#include "core/random.h"
#include "data/catalogue/catalogue.h"
#include "data/files/game_folder.h"
#include "data/save/slot_state.h"
#include "model/action_factories.h"
#include "model/doll.h"
#include "model/doll_stats.h"
#include "model/owner.h"
#include "support/scripted_dialog.h"
#include "support/temp_folder.h"

namespace velko::testing {

class SlotFixture {
 public:
  SlotFixture() {
    std::filesystem::copy(std::filesystem::path(VELKO_GAME_DIR) / "ini", temp.path() / "ini");
    for (auto& o : Owners)
      o = std::make_shared<Owner>();
    for (auto& d : Dolls)
      d = std::make_shared<doll>();
  }

  // The bytes of a file under the game folder ("save/Playersv3.ini"); empty when missing.
  std::string bytesOf(const std::string& relative) const {
    std::ifstream in(temp.path() / relative, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  // A pilot as the shop and the workshop leave one: an inventory, the Doll built from it (the
  // same records), six patterns of the installed software, a damaged motor.
  void equipPlayer() {
    Owner& o = *Owners[0];
    o.name = "秋津遥人";
    o.Lv = 3;
    o.exp = 120;
    o.Rl = 1530;
    o.skillPlay = 14;
    o.skillHard = 2;
    o.skillSoft = 5;
    o.recWin = 4;
    o.recLoose = 2;
    o.recChamp = 1;
    for (int16_t id : {5, 3})
      o.setMotor(ld_Motor(folder, id));
    for (int16_t id : {4, 2})
      o.setFrame(ld_Frame(folder, id));
    for (int16_t id : {1, 2, 5, 9, 3})
      o.setBooster(ld_Boost(folder, id));
    // Three of one kind, named as the shop names bought copies.
    for (const char* name : {"スチール", "スチール1", "スチール2"}) {
      ProtectorRef p = ld_Protect(folder, 3);
      p->name = name;
      o.setProtector(p);
    }
    for (int16_t id : {8, 1})
      o.setProtector(ld_Protect(folder, id));
    for (int16_t id : {5, 2})
      o.setHard(ld_Hard(folder, id));
    for (int16_t id : {2, 4})
      o.setSoftM(ld_SoftM(folder, id));
    for (int16_t id : {5, 3})
      o.setSoftA(ld_SoftA(folder, id));
    for (int16_t id : {1, 2})
      o.setSoftD(ld_SoftD(folder, id));

    doll& d = *Dolls[0];
    d.name = "ヴァルキリー改";
    d.Motor = o.getMotor(0);
    d.frame = o.getFrame(0);
    d.Hard = o.getHard(0);
    d.setSoftM(0, o.getSoftM(0));
    d.setSoftA(0, o.getSoftA(0));
    d.setSoftD(0, o.getSoftD(0));
    d.addBooster(o.getBooster(0));
    d.addBooster(o.getBooster(2));
    for (int slot : {0, 1, 3})
      d.addProtector(o.getProtector(slot), prompter);
    d.Motor->HP = 12;
    const std::vector<std::vector<int>> patterns = {{1, 4}, {3, 5},    {11, 4},
                                                    {6, 7}, {2, 5, 5}, {9, 10}};
    for (size_t k = 0; k < patterns.size(); ++k) {
      auto logic = std::make_shared<Logic>();
      logic->name = "技" + std::to_string(k + 1);
      for (int id : patterns[k])
        logic->addAction(workshopAction(d, id), prompter);
      d.setLogics(logic, static_cast<int>(k));
    }
    d.programed = true;
    resetDollParam(d, o);
    gameDate = GameDate::fromYMD(2014, 5, 1);
    playMusic = false;
    guideOn = true;
  }

  TempFolder temp;
  GameFolder folder{temp.path()};
  ScriptedDialog dialog;
  DialogPrompter prompter{dialog};
  ClockRandom rnd{7};
  std::array<std::shared_ptr<Owner>, 2> Owners;
  std::array<DollRef, 2> Dolls;
  GameDate gameDate;
  bool playMusic = true;
  bool guideOn = true;
  int16_t duelistState = kDuelistNotReady;
  SlotState state{Owners, Dolls, gameDate, playMusic, guideOn, duelistState};
};

}  // namespace velko::testing
