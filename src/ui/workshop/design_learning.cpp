#include "ui/workshop/design_learning.h"

#include <QAction>
#include <QMenu>

#include "replay/replay_folder.h"
#include "ui/lab/inspector.h"
#include "ui/lab/lab_screen.h"
#include "ui/lab/league_screen.h"
#include "ui/lab/replay_list.h"

namespace velko::ui {

void inspectLastFight(QWidget& owner, const GameFolder& folder, Prompter& prompter) {
  const auto files = listReplays(folder);
  if (files.empty()) {
    prompter.msgBox(qtTrId("記録した試合がありません").toStdString());
    return;
  }
  const ReplayParse parse = loadReplay(files.front());
  if (!parse.recording) {
    prompter.msgBox(parse.error);
    return;
  }
  Inspector inspector(*parse.recording, folder, &owner);
  inspector.exec();
}

void addLearningMenus(QMenu& menu, QWidget& workshop, CareerState& state,
                      CareerServices& services) {
  menu.addSeparator();
  QAction* last = menu.addAction(qtTrId("直前の試合を振り返る(&P)"));
  last->setObjectName("mnLastFight");
  QObject::connect(last, &QAction::triggered, &workshop, [&workshop, &services] {
    inspectLastFight(workshop, services.folder, services.prompter);
  });
  QAction* replays = menu.addAction(qtTrId("記録した試合(&R)"));
  replays->setObjectName("mnReplays");
  QObject::connect(replays, &QAction::triggered, &workshop, [&workshop, &state, &services] {
    ReplayList list(services.folder, services.prompter, &workshop, careerReplays(state.history));
    list.exec();
  });
  QAction* lab = menu.addAction(qtTrId("練習ラボ(&B)"));
  lab->setObjectName("mnLab");
  QObject::connect(lab, &QAction::triggered, &workshop, [&workshop, &state, &services] {
    LabScreen screen(state, services, &workshop);
    screen.exec();
  });
  QAction* league = menu.addAction(qtTrId("リーグ(&G)"));
  league->setObjectName("mnLeague");
  QObject::connect(league, &QAction::triggered, &workshop, [&workshop, &state, &services] {
    LeagueScreen screen(state, services, &workshop);
    screen.exec();
  });
}

}  // namespace velko::ui
