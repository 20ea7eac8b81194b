#pragma once
// The rules' texts on the battle screen and its dialogs: UTF-8 with CR LF line ends, shown by
// labels that break lines at a line feed alone.

#include <QString>
#include <string>

namespace velko::ui {

inline QString qtText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace("\r\n", "\n");
  return shown;
}

}  // namespace velko::ui
