#!/usr/bin/env bash
# Debian's own checks of the package: any error fails. The package holds what the desktop
# needs to know the game's files: the MIME types, the thumbnailer entry and its program.
#   package_lintian.sh <build folder>
set -uo pipefail
deb=$(ls -t "$1"/velko_*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
  echo "no package in $1: run 'make package' first"
  exit 1
fi
contents=$(dpkg-deb -c "$deb")
for file in ./usr/share/mime/packages/velko.xml ./usr/share/thumbnailers/velko.thumbnailer \
  ./usr/libexec/velko/velko-thumbnailer; do
  grep -qF -- " $file" <<< "$contents" || { echo "the package lacks $file"; exit 1; }
done
lintian --fail-on error --tag-display-limit 0 "$deb"
