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
#include "ui/app/help_window.h"
#include "ui/app/start_up.h"
#include "ui/fight/dialog_action.h"
#include "ui/fight/dialog_move.h"
#include "ui/fight/fight.h"
#include "ui/fight/frm_tornament.h"
#include "ui/fight_fixture.h"
#include "ui/lab/inspector.h"
#include "ui/lab/lab_screen.h"
#include "ui/lab/league_screen.h"
#include "ui/lab/replay_list.h"
#include "ui/program/program.h"
#include "ui/widgets/dmsg.h"
#include "ui/workshop/career_summary.h"
#include "ui/workshop/design.h"
#include "ui/workshop/f_char_make.h"
#include "ui/workshop/hall_of_fame_view.h"
#include "ui/workshop/history_window.h"
#include "ui/workshop/shop.h"
#include "ui/workshop/svld.h"

namespace velko::testing {

class EveryWindow {
 public:
  using Make = std::function<std::unique_ptr<QWidget>()>;

  EveryWindow() {
    SeededRandom dolls(21);
    recording =
        recordFight(*randomDoll(dolls, "ヴェルコ"), *randomDoll(dolls, "ブラム"), kModeStreet, 77)
            .recording;
    // Two months of a career with a won and a given-up bout, for the history's windows.
    CareerHistory& history = game.state.history;
    history = startHistory(GameDate::fromYMD(2013, 1, 1));
    countTournament(history);
    countFight(history, {1, HistoryEnd::Won, 0, 900, "", "ブラム"});
    countFight(history, {1, HistoryEnd::GivenUp, 0, 1200, "", "ブラム"});
    closeMonth(history, game.state.player(), game.state.playerDoll(),
               GameDate::fromYMD(2013, 2, 1));
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
        {"history", [&] { return std::make_unique<HistoryWindow>(s.history); }},
        {"summary", [&] { return std::make_unique<CareerSummary>(s, v.folder, game.prompter); }},
        {"hall-of-fame", [&] { return std::make_unique<HallOfFameWindow>(v.folder); }},
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
