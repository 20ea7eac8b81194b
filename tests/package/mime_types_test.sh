#!/usr/bin/env bash
# The package's MIME types as the desktop reads them: update-mime-database takes the file
# without complaint, and GLib (what file managers ask) tells each kind by its ending and a
# Doll file by its first line alone.
#   mime_types_test.sh <velko-mime.xml> <a Doll file> <scratch folder>
set -uo pipefail
xml=$1
doll=$2
scratch=$3
command -v update-mime-database >/dev/null && command -v gio >/dev/null ||
  { echo "update-mime-database or gio is not installed"; exit 77; }
rm -rf "$scratch"
mkdir -p "$scratch/data/mime/packages" "$scratch/files"
cp /usr/share/mime/packages/freedesktop.org.xml "$scratch/data/mime/packages/" 2>/dev/null
cp "$xml" "$scratch/data/mime/packages/velko.xml"
said=$(XDG_DATA_HOME="$scratch/data" XDG_DATA_DIRS="$scratch/data" update-mime-database "$scratch/data/mime" 2>&1)
[ -z "$said" ] || { echo "update-mime-database: $said"; exit 1; }

kind() {
  XDG_DATA_HOME="$scratch/data" XDG_DATA_DIRS="$scratch/data" \
    gio info -a standard::content-type "$1" | sed -n 's/.*standard::content-type: //p'
}
expect() {
  local file=$1 wanted=$2 got
  got=$(kind "$file")
  echo "$(basename "$file"): $got"
  [ "$got" = "$wanted" ] || { echo "$(basename "$file") is $got, not $wanted"; exit 1; }
}
cp "$doll" "$scratch/files/friend.velkodoll"
cp "$doll" "$scratch/files/friend-doll"
printf 'VELKO-LEAGUE 1\n' > "$scratch/files/spring.velkoleague"
printf 'VELKO-REPLAY-EXPORT 1\n' > "$scratch/files/final.velkoreplay"
expect "$scratch/files/friend.velkodoll" application/x-velko-doll
expect "$scratch/files/friend-doll" application/x-velko-doll
expect "$scratch/files/spring.velkoleague" application/x-velko-league
expect "$scratch/files/final.velkoreplay" application/x-velko-replay
exit 0
