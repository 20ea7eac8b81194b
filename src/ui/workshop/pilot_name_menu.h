#pragma once
// The 情報 menu's entry for renaming the pilot: a name box as long as the game's names, then
// the Game's check and question, as the Doll's name box has them.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "career/game.h"

class QMenu;
class QWidget;

namespace velko::ui {

class PilotNameMenu : public QObject {
  Q_OBJECT

 public:
  PilotNameMenu(Game& game, QWidget* parent);

  // Adds "プレイヤー名の変更(&N)..." to the menu.
  void addTo(QMenu* menu);

  // Asks for the new name, showing the present one; nothing when the player cancels. A name
  // box by default; tests put in their own.
  std::function<std::optional<QString>(const QString& present)> askName;

  void mnPilotName_Click();

 signals:
  void renamed();

 private:
  Game& game_;
  QWidget* parent_;
};

}  // namespace velko::ui
