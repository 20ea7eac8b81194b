#pragma once
// What the player chose that outlives a run and belongs to no save slot: whether the music
// plays, whether the chances before a tournament are shown, whether the player was told that it
// cannot play here, the language, and the automatic give-up. One small INI file, preferences.ini,
// in the player's own folder (the one that holds save/); its format is in docs/preferences-file.md.
// The file comes from outside the game: a value that is not one this version writes counts as not
// given, and a file of another version (or too large to be one) is read as empty and never
// overwritten.

#include <QSettings>
#include <filesystem>
#include <memory>

#include "battle/auto_give_up.h"

namespace velko::ui {

class Preferences {
 public:
  // The file is read now and written at every change.
  explicit Preferences(const std::filesystem::path& folder);

  bool musicOn() const { return musicOn_; }
  void setMusicOn(bool on);
  bool musicFailureTold() const { return musicFailureTold_; }
  void setMusicFailureTold();
  // The chances shown before a tournament.
  bool adviceOn() const { return adviceOn_; }
  void setAdviceOn(bool on);
  // "ja", "en", or empty when the player never chose.
  const QString& language() const { return language_; }
  void setLanguage(const QString& code);
  // The line of the automatic give-up, and whether it was offered at a first tournament entry.
  AutoGiveUp autoGiveUp() const { return autoGiveUp_; }
  void setAutoGiveUp(AutoGiveUp line);
  bool autoGiveUpOffered() const { return autoGiveUpOffered_; }
  void setAutoGiveUpOffered();

  static constexpr int kVersion = 1;
  static constexpr const char* kFileName = "preferences.ini";

 private:
  void write(const char* key, bool value);
  void write(const char* key, const QString& value);

  std::unique_ptr<QSettings> settings_;  // none when the file is not ours to write
  bool musicOn_ = true;
  bool musicFailureTold_ = false;
  bool adviceOn_ = true;
  QString language_;
  AutoGiveUp autoGiveUp_ = AutoGiveUp::Off;
  bool autoGiveUpOffered_ = false;
};

}  // namespace velko::ui
