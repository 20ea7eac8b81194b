#pragma once
// The recorded fights of the game folder, newest first; the one chosen opens in the fight
// inspector or is written as an exported replay for another player, and an exported replay
// opens from its file. A damaged file is refused with its reason and stays as it is. Given the
// current career's fights, the list shows those by default, with a filter for all; a line under
// it counts the shown fights won, lost and given up.

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/prompter.h"
#include "data/files/game_folder.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace velko::ui {

class ReplayList : public QDialog {
  Q_OBJECT

 public:
  // `career`: the replay file names of the current career's fights (its history), if any.
  ReplayList(const GameFolder& folder, Prompter& prompter, QWidget* parent = nullptr,
             std::optional<std::vector<std::string>> career = std::nullopt);

  QListWidget* list() const { return list_; }
  QComboBox* filter() const { return filter_; }
  QLabel* counts() const { return counts_; }
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
  struct Entry {
    std::filesystem::path file;
    QString text;
    int16_t winner = -2;  // as the replay says; -2 when it cannot be read
    bool career = false;
  };
  // Fills the list with the career's fights or all of them.
  void showFights(bool careerOnly);

  GameFolder folder_;
  Prompter& prompter_;
  std::vector<Entry> entries_;
  std::vector<size_t> shown_;  // the entries the list's rows stand for
  QListWidget* list_ = nullptr;
  QComboBox* filter_ = nullptr;
  QLabel* counts_ = nullptr;
  QPushButton* open_ = nullptr;
  QPushButton* export_ = nullptr;
};

// An exported replay in the inspector (modally); its reader's refusal is told instead.
bool inspectReplayFile(const std::filesystem::path& path, const GameFolder& folder,
                       Prompter& prompter, QWidget& owner);

}  // namespace velko::ui
