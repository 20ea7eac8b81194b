#pragma once
// The ファイル menu's entries for sharing Dolls: writing the player's Doll to a Doll file and
// reading a friend's Doll file as the duel opponent. The rules are the career's; these
// entries ask for the file's name and pass it on.

#include <QObject>
#include <QString>
#include <functional>

#include "career/career_state.h"

class QAction;
class QMenu;
class QWidget;

namespace velko::ui {

// The extension the file dialogs offer for Doll files.
inline constexpr const char* kDollFileFilter =
    QT_TRID_NOOP("Dollファイル (*.velkodoll);;すべてのファイル (*)");

class DollShareMenu : public QObject {
  Q_OBJECT

 public:
  DollShareMenu(CareerState& state, CareerServices& services, QWidget* parent);

  // Adds "Dollの書き出し(&E)..." and "Dollの読み込み（対戦相手）(&I)..." to the menu.
  void addTo(QMenu* menu);

  // Asks for a file name: true to save, false to open; an empty name cancels. The file
  // dialogs by default; tests put in their own.
  std::function<QString(bool save, const QString& suggested)> choosePath;

  void mnExportDoll_Click();
  void mnImportDoll_Click();

 private:
  CareerState& state_;
  CareerServices& services_;
  QWidget* parent_;
};

}  // namespace velko::ui
