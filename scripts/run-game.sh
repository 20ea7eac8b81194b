#!/usr/bin/env bash
# Starts the game inside the game folder the build assembled.
set -euo pipefail
build=${1:-build}
game="$build/game"
if [ ! -x "$build/velko" ]; then
  echo "The game folder is ready in $game (the catalogue in ini/)."
  echo "The playable game is not built yet: the title screen, workshop and battle screens"
  echo "arrive with the desktop work. Check the catalogue meanwhile with:"
  echo "  $build/velko-catalogue $game"
  exit 0
fi
cd "$game"
exec ../velko
