#include "data/share/check_line.h"

#include <string_view>

#include "core/shown_text.h"
#include "data/files/keyed_lines.h"
#include "data/share/doll_share.h"

namespace velko {

void readCheckLine(KeyedLines& lines) {
  const std::string_view body = lines.before();
  KeyedFields f(lines.keyed("check"), lines);
  if (f.word() != dollShareChecksum(body)) lines.fail(shown("チェックサムが合いません"));
  f.finish();
  if (lines.atEnd()) return;
  lines.next();
  lines.fail(shown("ファイルの終わりの後に行があります"));
}

}  // namespace velko
