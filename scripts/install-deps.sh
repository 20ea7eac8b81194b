#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing VELKO need.
# Only what is missing is installed; the package lists are refreshed once.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n
  libqt6opengl6-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools  # lupdate and lrelease: the game in English
  libfluidsynth-dev timgm6mb-soundfont
  fonts-noto-cjk
  xvfb xauth
  openbox xdotool imagemagick  # playing the real game by script under Xvfb, with screenshots
  dbus at-spi2-core python3-pyatspi  # the accessibility walk: the game as a screen reader reads it
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format
  dpkg-dev desktop-file-utils appstream lintian xdotool imagemagick
  pulseaudio pulseaudio-utils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
