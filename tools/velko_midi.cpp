// Writes the game's five music tracks as Standard MIDI Files into the given folder:
//   velko-midi <folder>
// The tracks are composed in code (velko_midi_*.cpp) so the repository keeps their source.

#include <cstdio>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "music/midi_score.h"

namespace velko::midi {
// Each is defined in its own velko_midi_<track>.cpp.
Score ind30xg();
Score jzz33xg();
Score fight();
Score se();
Score fanfare();
}  // namespace velko::midi

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: velko-midi <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  try {
    const std::vector<std::pair<std::string, velko::midi::Score>> tracks = {
        {"ind30xg", velko::midi::ind30xg()}, {"jzz33xg", velko::midi::jzz33xg()},
        {"fight", velko::midi::fight()},     {"SE", velko::midi::se()},
        {"fanfare", velko::midi::fanfare()},
    };
    for (const auto& [name, score] : tracks) {
      const std::string path = folder + "/" + name + ".mid";
      if (!score.write(path)) {
        std::fprintf(stderr, "velko-midi: cannot write %s\n", path.c_str());
        return 1;
      }
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "velko-midi: %s\n", error.what());
    return 1;
  }
  return 0;
}
