#pragma once
// The language the game plays in: Japanese, its own, or English. Chosen at the start from
// --lang, the player's remembered choice or the system's locale, and installed for the whole
// program (the screens, the rules' messages and Qt's own dialogs).

#include <QApplication>
#include <QLocale>
#include <QString>
#include <optional>

#include "data/files/game_folder.h"

namespace velko::ui {

enum class Language { Japanese, English };

// "ja" or "en"; anything else is no language.
std::optional<Language> languageFromCode(const QString& code);
QString languageCode(Language language);

// The option wins, then the remembered choice; otherwise a Japanese system plays in Japanese
// and any other in English.
Language chooseLanguage(const QString& option, const QString& remembered, const QLocale& system);

// The choice made in the game's menu, kept in the player's preferences (never in a save).
QString rememberedLanguage(const GameFolder& folder);
void rememberLanguage(const GameFolder& folder, Language language);

// The language installed by useLanguage (Japanese before it).
Language currentLanguage();

// The game's translation file of a language in the game folder; empty for Japanese.
QString translationFile(const GameFolder& folder, Language language);

// Installs the language; false when its translation could not be read (the game then plays
// in Japanese).
bool useLanguage(QApplication& application, Language language, const GameFolder& folder);

}  // namespace velko::ui
