#include "ui/app/language.h"

#include <QTranslator>

#include "core/shown_text.h"
#include "ui/app/preferences.h"
#include "ui/widgets/qt_japanese.h"

namespace velko::ui {

namespace {

Language gCurrent = Language::Japanese;

std::string translateRulesText(const char* source) {
  return qtTrId(source).toStdString();
}

}  // namespace

std::optional<Language> languageFromCode(const QString& code) {
  if (code == "ja") return Language::Japanese;
  if (code == "en") return Language::English;
  return std::nullopt;
}

QString languageCode(Language language) {
  return language == Language::Japanese ? "ja" : "en";
}

Language chooseLanguage(const QString& option, const QString& remembered, const QLocale& system) {
  if (const auto chosen = languageFromCode(option)) return *chosen;
  if (const auto chosen = languageFromCode(remembered)) return *chosen;
  return system.language() == QLocale::Japanese ? Language::Japanese : Language::English;
}

QString rememberedLanguage(const GameFolder& folder) {
  return Preferences(folder.root()).language();
}

void rememberLanguage(const GameFolder& folder, Language language) {
  Preferences(folder.root()).setLanguage(languageCode(language));
}

Language currentLanguage() {
  return gCurrent;
}

QString translationFile(const GameFolder& folder, Language language) {
  if (language == Language::Japanese) return {};
  const auto path = folder.dataRoot() / "translations" /
                    ("velko_" + languageCode(language).toStdString() + ".qm");
  return QString::fromStdString(path.string());
}

bool useLanguage(QApplication& application, Language language, const GameFolder& folder) {
  if (language == Language::Japanese) {
    useJapaneseQtTexts(application);
    gCurrent = language;
    return true;
  }
  auto* game = new QTranslator(&application);
  if (!game->load(translationFile(folder, language))) {
    delete game;
    useJapaneseQtTexts(application);
    return false;
  }
  QApplication::installTranslator(game);
  setTextTranslation(translateRulesText);
  gCurrent = language;
  return true;
}

}  // namespace velko::ui
