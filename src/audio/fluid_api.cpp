#include "audio/fluid_api.h"

#include <dlfcn.h>

#include <cstdio>

namespace velko::audio {

std::optional<FluidApi> loadFluidApi(std::initializer_list<const char*> names, std::string& error) {
  error.clear();
  void* library = nullptr;
  for (const char* name : names) {
    library = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (library != nullptr) break;
    error += error.empty() ? "" : "; ";
    error += dlerror();
  }
  if (library == nullptr) return std::nullopt;
  error.clear();

  // Never closed: the synthesizer may be in use until the process ends, and FluidSynth's audio
  // drivers keep threads of their own.
  FluidApi api;
#define VELKO_FLUID_RESOLVE(name)                                        \
  api.name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name)); \
  if (api.name == nullptr) {                                             \
    error = "no " #name " in the FluidSynth library";                    \
    return std::nullopt;                                                 \
  }
  VELKO_FLUID_FUNCTIONS(VELKO_FLUID_RESOLVE)
#undef VELKO_FLUID_RESOLVE
  return api;
}

const FluidApi* fluidApi() {
  // The versioned name is all a system without FluidSynth's development files has.
  static const std::optional<FluidApi> once = [] {
    std::string error;
    std::optional<FluidApi> api = loadFluidApi({"libfluidsynth.so.3", "libfluidsynth.so"}, error);
    if (!api) std::fprintf(stderr, "velko: no music: %s\n", error.c_str());
    return api;
  }();
  return once ? &*once : nullptr;
}

}  // namespace velko::audio
