#include "audio/soundfont_path.h"

#include <fluidsynth.h>

#include <array>

namespace velko::audio {

std::string findSoundfont() {
  static const std::array<const char*, 6> candidates = {
      "/usr/share/sounds/sf2/TimGM6mb.sf2",   "/usr/share/sounds/sf2/default-GM.sf2",
      "/usr/share/soundfonts/default.sf2",    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
      "/usr/share/soundfonts/FluidR3_GM.sf2", "/usr/share/sounds/sf2/GeneralUser.sf2",
  };
  for (const char* path : candidates) {
    // Also follows the default-GM link and refuses a dangling one or a file of another kind.
    if (fluid_is_soundfont(path)) return path;
  }
  return {};
}

}  // namespace velko::audio
