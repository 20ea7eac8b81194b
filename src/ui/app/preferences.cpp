#include "ui/app/preferences.h"

#include <iostream>
#include <system_error>

namespace velko::ui {

namespace {

// A preference file is a few lines; anything larger is not one.
constexpr std::uintmax_t kLargestFile = 16 * 1024;

// "true" or "false" as written; anything else is not given.
bool readFlag(const QSettings& settings, const char* key, bool fallback) {
  const QString text = settings.value(key).toString();
  if (text == "true") return true;
  if (text == "false") return false;
  return fallback;
}

// "off", "25", "40" or "60"; any other value is refused, said on the standard error, and the
// give-up stays off.
AutoGiveUp readAutoGiveUp(const QSettings& settings, const std::filesystem::path& file) {
  if (!settings.contains("autoGiveUp")) return AutoGiveUp::Off;
  const QString text = settings.value("autoGiveUp").toString();
  if (const auto line = autoGiveUpFromWord(text.toStdString())) return *line;
  std::cerr << "velko: " << file.string() << ": autoGiveUp=" << text.toStdString()
            << " is not a setting of this version; the automatic give-up stays off\n";
  return AutoGiveUp::Off;
}

}  // namespace

Preferences::Preferences(const std::filesystem::path& folder) {
  const std::filesystem::path file = folder / kFileName;
  std::error_code error;
  const bool exists = std::filesystem::exists(file, error);
  if (exists && std::filesystem::file_size(file, error) > kLargestFile) {
    std::cerr << "velko: " << file.string()
              << " is too large for a preference file; it is left as it is\n";
    return;
  }
  settings_ =
      std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::IniFormat);
  // QSettings shares what it read of a file within the process: read the file as it is now.
  settings_->sync();
  if (exists && settings_->value("version").toString() != QString::number(kVersion)) {
    std::cerr << "velko: " << file.string()
              << " is not a preference file of this version; it is left as it is\n";
    settings_.reset();
    return;
  }
  musicOn_ = readFlag(*settings_, "music", musicOn_);
  musicFailureTold_ = readFlag(*settings_, "musicFailureTold", musicFailureTold_);
  adviceOn_ = readFlag(*settings_, "advice", adviceOn_);
  const QString language = settings_->value("language").toString();
  if (language == "ja" || language == "en") language_ = language;
  autoGiveUp_ = readAutoGiveUp(*settings_, file);
  autoGiveUpOffered_ = readFlag(*settings_, "autoGiveUpOffered", autoGiveUpOffered_);
}

void Preferences::setLanguage(const QString& code) {
  language_ = code;
  write("language", code);
}

void Preferences::setMusicOn(bool on) {
  musicOn_ = on;
  write("music", on);
}

void Preferences::setAdviceOn(bool on) {
  adviceOn_ = on;
  write("advice", on);
}

void Preferences::setAutoGiveUp(AutoGiveUp line) {
  autoGiveUp_ = line;
  const std::string_view word = autoGiveUpWord(line);
  write("autoGiveUp", QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
}

void Preferences::setAutoGiveUpOffered() {
  autoGiveUpOffered_ = true;
  write("autoGiveUpOffered", true);
}

void Preferences::setMusicFailureTold() {
  musicFailureTold_ = true;
  write("musicFailureTold", true);
}

void Preferences::write(const char* key, bool value) {
  write(key, QString(value ? "true" : "false"));
}

void Preferences::write(const char* key, const QString& value) {
  if (!settings_) return;
  settings_->setValue("version", kVersion);
  settings_->setValue(key, value);
  settings_->sync();
}

}  // namespace velko::ui
