#include "ui/workshop/auto_give_up_menu.h"

#include <QActionGroup>

namespace velko::ui {

namespace {

constexpr AutoGiveUp kLines[] = {AutoGiveUp::Off, AutoGiveUp::Below25, AutoGiveUp::Below40,
                                 AutoGiveUp::Below60};

QString caption(AutoGiveUp line) {
  if (line == AutoGiveUp::Off) return qtTrId("オフ(&O)");
  //: %1 is a share in per cent: 25, 40 or 60
  return qtTrId("モーターかフレームのHPが最大の%1%未満のとき").arg(static_cast<int>(line));
}

QString objectName(AutoGiveUp line) {
  if (line == AutoGiveUp::Off) return "mnAutoGiveUpOff";
  return QString("mnAutoGiveUp%1").arg(static_cast<int>(line));
}

}  // namespace

QMenu* addAutoGiveUpMenu(QMenu& parent, CareerState& state) {
  QMenu* menu = parent.addMenu(qtTrId("自動ギブアップ(&U)"));
  menu->setObjectName("mnAutoGiveUp");
  auto* group = new QActionGroup(menu);
  for (AutoGiveUp line : kLines) {
    QAction* action = menu->addAction(caption(line));
    action->setObjectName(objectName(line));
    action->setCheckable(true);
    action->setData(static_cast<int>(line));
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, menu,
                     [&state, line] { state.autoGiveUp = line; });
  }
  showAutoGiveUp(*menu, state.autoGiveUp);
  return menu;
}

void showAutoGiveUp(QMenu& menu, AutoGiveUp line) {
  for (QAction* action : menu.actions())
    action->setChecked(action->data().toInt() == static_cast<int>(line));
}

}  // namespace velko::ui
