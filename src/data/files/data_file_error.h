#pragma once
// A fault in one of the game's text files, with the file and line it was found at.

#include <stdexcept>
#include <string>

namespace velko {

class DataFileError : public std::runtime_error {
 public:
  enum class Kind { Missing, Unreadable, Malformed };

  // line 0: the file as a whole.
  DataFileError(Kind kind, std::string file, size_t line, std::string reason);

  Kind kind() const { return kind_; }
  const std::string& file() const { return file_; }
  size_t line() const { return line_; }
  const std::string& reason() const { return reason_; }

 private:
  Kind kind_;
  std::string file_;
  size_t line_;
  std::string reason_;
};

}  // namespace velko
