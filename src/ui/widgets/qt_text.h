#pragma once
// The rules' texts are UTF-8 std::strings; the screens show QStrings.

#include <QString>
#include <string>

namespace velko::ui {

inline QString q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace velko::ui
