#!/usr/bin/env bash
# The Debian package as a player meets it: installed with dpkg, the game started from the
# menu's command in a home folder of its own and a working directory that is no game folder.
# The title window must appear, and save/ must be made in the player's XDG data folder and
# nowhere else. The package is removed again whatever happens.
#   installed_game_test.sh <build folder> <artifacts folder>
set -uo pipefail
build=$1
artifacts=$2

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: installing the package needs root (CI runs as root)"
  exit 77
fi
deb=$(ls -t "$build"/velko_*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
  echo "no package in $build: run 'make package' first"
  exit 1
fi

scratch=$(mktemp -d)
cleanup() {
  dpkg -r velko >/dev/null 2>&1 || echo "could not remove the package velko"
  rm -rf "$scratch"
}
trap cleanup EXIT

if ! dpkg -i "$deb"; then
  echo "dpkg -i $deb failed"
  exit 1
fi

mkdir -p "$scratch/home" "$scratch/cwd" "$scratch/run" "$artifacts"
chmod 700 "$scratch/run"
cd "$scratch/cwd" || exit 1
# A desktop's environment, and nothing of the build's.
env -i HOME="$scratch/home" PATH=/usr/games:/usr/bin:/bin LANG=C.UTF-8 \
  XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=xcb SHOT="$artifacts/installed-title.png" \
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    /usr/games/velko > "$HOME/velko.log" 2>&1 &
    game=$!
    found=0
    if timeout 60 xdotool search --sync --onlyvisible --name "^VELKO$" > /dev/null; then
      found=1
      sleep 1
      import -window root "$SHOT"
    fi
    kill "$game" 2> /dev/null
    wait "$game" 2> /dev/null
    [ "$found" = 1 ]'
shown=$?

status=0
if [ "$shown" -ne 0 ]; then
  echo "the title window VELKO did not appear; the game said:"
  cat "$scratch/home/velko.log"
  status=1
fi
saves="$scratch/home/.local/share/velko/save"
if [ ! -f "$saves/EDollsv.ini" ] || [ ! -f "$saves/ELogicsv.ini" ]; then
  echo "the opponent registry was not made in $saves"
  status=1
fi
others=$(find "$scratch" /usr/share/games/velko -type d -name save ! -path "$saves")
if [ -n "$others" ]; then
  echo "save/ was made outside the player's data folder: $others"
  status=1
fi
if [ -n "$(ls -A "$scratch/cwd")" ]; then
  echo "the game wrote into its working directory: $(ls -A "$scratch/cwd")"
  status=1
fi
[ "$status" -eq 0 ] && echo "installed game started; saves in ~/.local/share/velko/save"
exit "$status"
