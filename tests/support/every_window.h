#pragma once
// Every window of the game, each made on demand around one running game, for the tests that
// go through them all: a recorded fight for the inspector, an empty bracket, the fakes.

#include <QWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "career/game.h"
#include "support/career_fakes.h"
#include "support/recorded_fights.h"
#include "ui/design.h"
#include "ui/dialog_action.h"
#include "ui/dialog_move.h"
#include "ui/dmsg.h"
#include "ui/f_char_make.h"
#include "ui/fight.h"
#include "ui/fight_fixture.h"
#include "ui/frm_tornament.h"
#include "ui/help_window.h"
#include "ui/inspector.h"
#include "ui/lab_screen.h"
#include "ui/league_screen.h"
#include "ui/program.h"
#include "ui/replay_list.h"
#include "ui/shop.h"
#include "ui/start_up.h"
#include "ui/svld.h"

namespace velko::testing {

class EveryWindow {
 public:
  using Make = std::function<std::unique_ptr<QWidget>()>;

  EveryWindow() {
    SeededRandom dolls(21);
    recording =
        recordFight(*randomDoll(dolls, "ヴェルコ"), *randomDoll(dolls, "ブラム"), kModeStreet, 77)
            .recording;
  }

  // Each window by the name of its screenshot.
  std::vector<std::pair<QString, Make>> windows() {
    using namespace velko::ui;
    auto& s = game.state;
    auto& v = game.services;
    return {
        {"title", [&] { return std::make_unique<StartUp>(rules, v.folder); }},
        {"player-creation", [&] { return std::make_unique<FCharMake>(s, v); }},
        {"save-load", [&] { return std::make_unique<SVLD>(1, v.folder, game.prompter); }},
        {"workshop", [&] { return std::make_unique<Design>(rules, v); }},
        {"shop", [&] { return std::make_unique<Shop>(s, v); }},
        {"program", [&] { return std::make_unique<Program>(s, v); }},
        {"fight",
         [&] { return std::make_unique<Fight>(s, v, kModeStreet, "Novice", game.soundEffects); }},
        {"pattern", [&] { return std::make_unique<DialogAction>(12, true, game.prompter); }},
        {"move", [&] { return std::make_unique<dialogMove>(3); }},
        {"bracket", [&] { return std::make_unique<frmTornament>(bracket); }},
        {"lab", [&] { return std::make_unique<LabScreen>(s, v); }},
        {"league", [&] { return std::make_unique<LeagueScreen>(s, v); }},
        {"inspector", [&] { return std::make_unique<Inspector>(recording, v.folder); }},
        {"records", [&] { return std::make_unique<ReplayList>(v.folder, game.prompter); }},
        {"help", [&] { return std::make_unique<HelpWindow>(nullptr); }},
        {"message", [&] {
           auto dialog = std::make_unique<DMsg>();
           dialog->setDialog(qtTrId("セーブしていませんが、よろしいですか？"));
           return dialog;
         }}};
  }

  FightGame game;
  HeadlessNavigator nav{game.state, game.services};
  Game rules{game.state, game.services, nav};
  FightRecording recording;
  Bracket bracket;
};

}  // namespace velko::testing
