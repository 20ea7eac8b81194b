// Writes a UTF-8 text file in CP932 with CR LF line ends, as the game folder keeps its
// catalogue and registry files. Used by the build.

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "core/text_cp932.h"
#include "data/files/text_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: velko-cp932 INPUT.utf8 OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot open\n";
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string out;
  const auto lines = velko::splitLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    try {
      out += velko::utf8ToCp932(lines[i]);
    } catch (const velko::EncodingError& e) {
      std::cerr << argv[1] << ":" << i + 1 << ": " << e.what() << "\n";
      return 1;
    }
    out += "\r\n";
  }
  const std::string temp = std::string(argv[2]) + ".tmp";
  {
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    file << out;
    if (!file.flush()) {
      std::cerr << temp << ": cannot write\n";
      return 1;
    }
  }
  if (std::rename(temp.c_str(), argv[2]) != 0) {
    std::cerr << argv[2] << ": cannot write\n";
    return 1;
  }
  return 0;
}
