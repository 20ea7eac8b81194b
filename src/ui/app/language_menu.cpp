#include "ui/app/language_menu.h"

#include <QActionGroup>
#include <QTranslator>

#include "ui/app/language.h"

namespace velko::ui {

namespace {

const char* const kChangeNotice = QT_TRID_NOOP("言語は次に起動したときから変わります");

// A text of the game in a language other than the one being played; empty when its
// translation cannot be read.
QString textIn(const GameFolder& folder, Language language, const char* id) {
  if (language == Language::Japanese) return QString::fromUtf8(id);
  QTranslator translation;
  if (!translation.load(translationFile(folder, language))) return {};
  return translation.translate(nullptr, id);
}

// Told in the language being left and in the one chosen: the player reads one of them.
QString changeNotice(const GameFolder& folder, Language chosen) {
  const QString now = qtTrId(kChangeNotice);
  const QString next = textIn(folder, chosen, kChangeNotice);
  if (next.isEmpty() || next == now) return now;
  return now + "\n" + next;
}

}  // namespace

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
    QObject::connect(action, &QAction::triggered, menu,
                     [&prompter, &folder, language = choice.language] {
                       rememberLanguage(folder, language);
                       if (language == currentLanguage()) return;
                       prompter.msgBox(changeNotice(folder, language).toStdString());
                     });
  }
}

}  // namespace velko::ui
