#include "data/save/save_name_line.h"

namespace velko {

namespace {

bool isSpaceOrTab(char c) {
  return c == ' ' || c == '\t';
}

bool needsQuotes(const std::string& name) {
  if (name.empty()) return false;
  if (name.find_first_of(",\"\r\n") != std::string::npos) return true;
  return name.front() == '.' || isSpaceOrTab(name.front()) || isSpaceOrTab(name.back());
}

// "%25" -> '%', ...; any other percent sign stands for itself.
bool decodeEscape(const std::string& body, size_t pos, char& out) {
  if (body.compare(pos, 3, "%25") == 0)
    out = '%';
  else if (body.compare(pos, 3, "%22") == 0)
    out = '"';
  else if (body.compare(pos, 3, "%0D") == 0)
    out = '\r';
  else if (body.compare(pos, 3, "%0A") == 0)
    out = '\n';
  else
    return false;
  return true;
}

}  // namespace

std::string encodeNameLine(const std::string& name) {
  if (!needsQuotes(name)) return name;
  std::string line = "\"";
  for (char c : name) {
    if (c == '%')
      line += "%25";
    else if (c == '"')
      line += "%22";
    else if (c == '\r')
      line += "%0D";
    else if (c == '\n')
      line += "%0A";
    else
      line += c;
  }
  return line + "\"";
}

std::string decodeNameLine(const std::string& line) {
  const bool quoted = line.size() >= 2 && line.front() == '"' && line.back() == '"';
  if (!quoted) {
    size_t begin = 0;
    size_t end = line.size();
    while (begin < end && isSpaceOrTab(line[begin]))
      ++begin;
    while (end > begin && isSpaceOrTab(line[end - 1]))
      --end;
    return line.substr(begin, end - begin);
  }
  const std::string body = line.substr(1, line.size() - 2);
  std::string name;
  for (size_t i = 0; i < body.size(); ++i) {
    char c = body[i];
    if (c == '%' && decodeEscape(body, i, c)) i += 2;
    name += c;
  }
  return name;
}

}  // namespace velko
