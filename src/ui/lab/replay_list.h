#pragma once
// The recorded fights of the game folder, newest first; the one chosen opens in the fight
// inspector. A damaged file is refused with its reason and stays as it is.

#include <QDialog>
#include <filesystem>
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

 private:
  GameFolder folder_;
  Prompter& prompter_;
  std::vector<std::filesystem::path> files_;
  QListWidget* list_ = nullptr;
};

}  // namespace velko::ui
