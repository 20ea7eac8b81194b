#pragma once
// A fresh folder under the system's temporary folder, removed with the object; files are
// written into it as the game would find them (CP932 with CR LF unless asked otherwise).

#include <filesystem>
#include <string>

namespace velko::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes UTF-8 text converted to CP932, with LF turned into CR LF when crlf is true.
  void writeCp932(const std::string& relative, const std::string& utf8, bool crlf = true) const;
  void writeBytes(const std::string& relative, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

}  // namespace velko::testing
