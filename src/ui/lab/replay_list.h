#pragma once
// The recorded fights of the game folder, newest first; the one chosen opens in the fight
// inspector or is written as an exported replay for another player, and an exported replay
// opens from its file. A damaged file is refused with its reason and stays as it is.

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/prompter.h"
#include "data/files/game_folder.h"

class QListWidget;

namespace velko::ui {

class ReplayList : public QDialog {
  Q_OBJECT

 public:
  ReplayList(const GameFolder& folder, Prompter& prompter, QWidget* parent = nullptr);

  QListWidget* list() const { return list_; }
  // Opens the chosen fight in the inspector (modally); false when it could not be read.
  bool openChosen();
  // Writes the chosen fight to a file the player names; false when nothing was written.
  bool exportChosen();
  // Opens an exported replay the player names in the inspector; false when it was refused.
  bool openExported();

  // Asks for a file name: true to save, false to open; an empty name cancels. The file
  // dialogs by default; tests put in their own.
  std::function<QString(bool save, const QString& suggested)> choosePath;

 private:
  GameFolder folder_;
  Prompter& prompter_;
  std::vector<std::filesystem::path> files_;
  QListWidget* list_ = nullptr;
};

// An exported replay in the inspector (modally); its reader's refusal is told instead.
bool inspectReplayFile(const std::filesystem::path& path, const GameFolder& folder,
                       Prompter& prompter, QWidget& owner);

}  // namespace velko::ui
