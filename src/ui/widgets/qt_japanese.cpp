#include "ui/widgets/qt_japanese.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace velko::ui {

bool useJapaneseQtTexts(QApplication& application) {
  auto* translator = new QTranslator(&application);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator->load("qtbase_ja", folder)) {
    delete translator;
    return false;
  }
  return QApplication::installTranslator(translator);
}

}  // namespace velko::ui
