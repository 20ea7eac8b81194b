#!/usr/bin/env bash
# On a plain terminal (no display, no platform chosen) --help lists the options in one
# language, English as the manual page, and --version names the version; both end with 0.
# A wrong command line is refused with a message on the standard error and status 2 before
# any window system starts: without a display as with one (the offscreen platform stands in
# for a display), while the toolkit's own options pass, and so does one file of the game's own
# kinds. A start without a display says so and
# ends with 1.
#   command_line_test.sh <velko program> <version>
set -uo pipefail
velko=$1
version=$2
run() { env -i HOME=/nonexistent PATH=/usr/bin:/bin timeout 30 "$velko" "$@" 2>&1; }

said=$(run --help)
status=$?
echo "$said"
[ "$status" -eq 0 ] || { echo "--help ended with $status"; exit 1; }
grep -qF -- "--game-folder <DIR>" <<< "$said" || { echo "--game-folder is not listed"; exit 1; }
grep -qF -- "--version" <<< "$said" || { echo "--version is not listed"; exit 1; }
if LC_ALL=C grep -q '[^ -~]' <<< "$said"; then echo "--help mixes languages"; exit 1; fi

said=$(run --version)
status=$?
echo "$said"
[ "$status" -eq 0 ] || { echo "--version ended with $status"; exit 1; }
[ "$said" = "velko $version" ] || { echo "--version said: $said"; exit 1; }

# refused <what it must name> <environment...> -- <arguments...>
refused() {
  local names=$1
  shift
  local settings=()
  while [ "$1" != "--" ]; do settings+=("$1"); shift; done
  shift
  local said status
  said=$(env -i HOME=/nonexistent PATH=/usr/bin:/bin "${settings[@]}" timeout 30 "$velko" "$@" \
    2>&1 >/dev/null)
  status=$?
  echo "$*: $said"
  [ "$status" -eq 2 ] || { echo "velko $* ended with $status, not 2"; exit 1; }
  grep -qF -- "$names" <<< "$said" || { echo "velko $* did not name $names"; exit 1; }
}
refused "'bogus'" -- --bogus
refused "'fr'" -- --lang fr
refused "'fr'" QT_QPA_PLATFORM=offscreen -- --lang fr
refused "--lang" -- --lang
refused "'stray'" -- stray
# One file of the game's own kinds may be named (a double-click in a file manager); anything
# else, or a second file, is refused as before.
refused "'notes.txt'" -- notes.txt
refused "'second.velkoreplay'" -- first.velkodoll second.velkoreplay

# A right command line without a display says so and ends with 1, instead of a core dump.
said=$(env -i HOME=/nonexistent PATH=/usr/bin:/bin timeout 30 "$velko" 2>&1 >/dev/null)
status=$?
echo "no display: $said"
[ "$status" -eq 1 ] || { echo "velko without a display ended with $status, not 1"; exit 1; }
grep -qF "no display" <<< "$said" || { echo "velko without a display did not say so"; exit 1; }

# A Doll file named on a terminal without a display passes the command line and meets the
# missing display, like any right start.
said=$(env -i HOME=/nonexistent PATH=/usr/bin:/bin timeout 30 "$velko" friend.velkodoll 2>&1 >/dev/null)
status=$?
[ "$status" -eq 1 ] || { echo "velko friend.velkodoll ended with $status, not 1: $said"; exit 1; }
grep -qF -- "[FILE]" <<< "$(run --help)" || { echo "--help does not name the file"; exit 1; }

said=$(run -platform offscreen --version)
status=$?
[ "$status" -eq 0 ] && [ "$said" = "velko $version" ] ||
  { echo "-platform offscreen --version ended with $status: $said"; exit 1; }
exit 0
