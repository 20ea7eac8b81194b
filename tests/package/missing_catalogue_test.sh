#!/usr/bin/env bash
# Started with a game folder that has no catalogue, the game says which folder it looked in
# and what is missing, ends with status 1, and creates no folder anywhere.
#   missing_catalogue_test.sh <velko program>
set -uo pipefail
velko=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/cwd"
cd "$scratch/cwd" || exit 1

said=$(env -i HOME="$scratch/home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen \
  VELKO_HOME="$scratch/nowhere" timeout 30 "$velko" 2>&1)
status=$?
echo "$said"
[ "$status" -eq 1 ] || { echo "exit status $status, not 1"; exit 1; }
grep -qF "$scratch/nowhere/ini" <<< "$said" || { echo "the folder looked in is not named"; exit 1; }
grep -qF "Motor.ini" <<< "$said" || { echo "the missing files are not named"; exit 1; }
made=$(find "$scratch" -mindepth 1 ! -path "$scratch/home" ! -path "$scratch/cwd" \
  ! -path "$scratch/home/*")
[ -z "$made" ] || { echo "the game created: $made"; exit 1; }
[ ! -e "$scratch/home/.local/share/velko" ] || { echo "the game made its data folder"; exit 1; }
[ -z "$(ls -A "$scratch/cwd")" ] || { echo "the game wrote into its working directory"; exit 1; }
exit 0
