#pragma once
// Column alignment for names in Japanese: a terminal shows a full-width character in two
// columns, so padding counts columns, not bytes.

#include <string>

namespace velko::sim {

// ASCII takes one column, every other character two.
int displayWidth(const std::string& utf8);

// The text cut or padded with blanks to exactly `width` columns.
std::string fitColumns(const std::string& utf8, int width);

}  // namespace velko::sim
