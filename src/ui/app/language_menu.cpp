#include "ui/app/language_menu.h"

#include <QActionGroup>

#include "ui/app/language.h"

namespace velko::ui {

void addLanguageMenu(QMenu& parent, Prompter& prompter, const GameFolder& folder) {
  // Both names, so a player who cannot read the current language still finds it.
  QMenu* menu = parent.addMenu("言語 / Language(&L)");
  menu->setObjectName("mnLanguage");
  auto* group = new QActionGroup(menu);
  const struct {
    Language language;
    const char* caption;
  } choices[] = {{Language::Japanese, "日本語"}, {Language::English, "English"}};
  for (const auto& choice : choices) {
    QAction* action = menu->addAction(choice.caption);
    action->setObjectName("mnLanguage_" + languageCode(choice.language));
    action->setCheckable(true);
    action->setChecked(choice.language == currentLanguage());
    group->addAction(action);
    QObject::connect(
        action, &QAction::triggered, menu, [&prompter, &folder, language = choice.language] {
          rememberLanguage(folder, language);
          if (language == currentLanguage()) return;
          prompter.msgBox(qtTrId("言語は次に起動したときから変わります").toStdString());
        });
  }
}

}  // namespace velko::ui
