#include "core/game_version.h"

#ifndef VELKO_VERSION
#define VELKO_VERSION "0"
#endif

namespace velko {

std::string gameVersion() {
  return VELKO_VERSION;
}

}  // namespace velko
