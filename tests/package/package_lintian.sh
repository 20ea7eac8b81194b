#!/usr/bin/env bash
# Debian's own checks of the package: any error fails.
#   package_lintian.sh <build folder>
set -uo pipefail
deb=$(ls -t "$1"/velko_*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
  echo "no package in $1: run 'make package' first"
  exit 1
fi
lintian --fail-on error --tag-display-limit 0 "$deb"
