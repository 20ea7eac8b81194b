#!/usr/bin/env bash
# The thumbnailer as a file manager runs it (INPUT OUTPUT SIZE) on a real Doll file: a PNG no
# larger than the size asked, with the Doll's picture in it (many colours, not one blank),
# written to the output; a damaged Doll file gets no picture, status 1 and its reason.
#   thumbnailer_test.sh <velko-thumbnailer> <game folder> <Doll file> <output folder>
set -uo pipefail
thumbnailer=$1
game=$2
doll=$3
out=$4
command -v identify >/dev/null || { echo "ImageMagick's identify is not installed"; exit 77; }
mkdir -p "$out"
png="$out/thumbnail-128.png"
rm -f "$png"

"$thumbnailer" --game-folder "$game" "$doll" "$png" 128 || { echo "the thumbnailer failed"; exit 1; }
read -r format width height colours < <(identify -format '%m %w %h %k\n' "$png")
echo "thumbnail: $format ${width}x${height}, $colours colours"
[ "$format" = PNG ] || { echo "not a PNG: $format"; exit 1; }
[ "$height" -eq 128 ] || [ "$width" -eq 128 ] || { echo "not fitted to 128: ${width}x${height}"; exit 1; }
[ "$height" -le 128 ] && [ "$width" -le 128 ] || { echo "larger than asked: ${width}x${height}"; exit 1; }
[ "$colours" -ge 64 ] || { echo "a blank picture: $colours colours"; exit 1; }

damaged="$out/damaged.velkodoll"
sed 's/^doll .*/doll 別の名前/' "$doll" > "$damaged"
said=$("$thumbnailer" --game-folder "$game" "$damaged" "$out/damaged.png" 128 2>&1)
status=$?
echo "damaged: $said"
[ "$status" -eq 1 ] || { echo "a damaged file ended with $status, not 1"; exit 1; }
grep -qF "damaged.velkodoll" <<< "$said" || { echo "the refusal does not name the file"; exit 1; }
[ ! -e "$out/damaged.png" ] || { echo "a damaged file got a picture"; exit 1; }
exit 0
