#!/usr/bin/env bash
# On a plain terminal (no display, no platform chosen) --help lists the options in one
# language, English as the manual page, and --version names the version; both end with 0.
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
exit 0
