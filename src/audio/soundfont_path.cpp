#include "audio/soundfont_path.h"

#include <array>

#include "audio/fluid_api.h"

namespace velko::audio {

std::string findSoundfont() {
  // FluidSynth alone tells what it can load; without it there is nothing to play anyway.
  const FluidApi* fluid = fluidApi();
  if (fluid == nullptr) return {};
  static const std::array<const char*, 6> candidates = {
      "/usr/share/sounds/sf2/TimGM6mb.sf2",   "/usr/share/sounds/sf2/default-GM.sf2",
      "/usr/share/soundfonts/default.sf2",    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
      "/usr/share/soundfonts/FluidR3_GM.sf2", "/usr/share/sounds/sf2/GeneralUser.sf2",
  };
  for (const char* path : candidates) {
    // Also follows the default-GM link and refuses a dangling one or a file of another kind.
    if (fluid->fluid_is_soundfont(path)) return path;
  }
  return {};
}

}  // namespace velko::audio
