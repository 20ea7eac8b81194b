#!/usr/bin/env bash
# Today's fight engine beside an older one, built from the repository's history and run in
# turns on this machine, so that whatever else the machine is doing weighs on both alike.
#
#   bench/compare-fights.sh [older commit] [rounds]
#
# The older commit defaults to the one that made version 0.2.0. Both engines fight the same two
# Dolls from today's catalogue (the older build's catalogue is replaced by today's), with the
# game's own clock-reseeded dice. Printed: each engine's whole fights per second in every round,
# their medians, and today's throughput as a multiple of the older one, for fights that keep
# their narration (the fight screen, the recorder) and for fights without a reader (the lab,
# the league, the advice). Builds go to build-compare/ (kept, so a second run is quick).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
older=${1:-$(git -C "$root" log --format=%H -n1 --grep='^Version 0\.2\.0')}
rounds=${2:-7}
work=$root/build-compare
mkdir -p "$work"

configure() {  # source folder, build folder
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKO_UI=OFF \
    -DVELKO_TESTS=OFF -DVELKO_BENCH=ON >/dev/null
}

if [ ! -f "$work/old-src/.commit" ] || [ "$(cat "$work/old-src/.commit")" != "$older" ]; then
  rm -rf "$work/old-src" "$work/old"
  mkdir -p "$work/old-src"
  git -C "$root" archive "$older" | tar -x -C "$work/old-src"
  echo "$older" >"$work/old-src/.commit"
fi
configure "$work/old-src" "$work/old"
cmake --build "$work/old" --target fight_bench velko_game_folder -- -j2 >/dev/null
configure "$root" "$work/new"
cmake --build "$work/new" --target fight_bench league_bench velko_game_folder -- -j2 >/dev/null
cp "$work/new/game/ini/"*.ini "$work/old/game/ini/"

# Whole fights per second of one benchmark, from its JSON report.
rate() {  # program, benchmark name
  (cd "$(dirname "$1")/../game" &&
    "$1" --benchmark_filter="^$2\$" --benchmark_min_time=0.5 --benchmark_format=json) |
    python3 -c 'import json,sys; print(json.load(sys.stdin)["benchmarks"][0]["items_per_second"])'
}

old_kept=() new_kept=() new_quiet=()
for ((r = 1; r <= rounds; r++)); do
  old_kept+=("$(rate "$work/old/bench/fight_bench" BM_WholeFight_ClockRandom)")
  new_kept+=("$(rate "$work/new/bench/fight_bench" BM_WholeFight_ClockRandom)")
  new_quiet+=("$(rate "$work/new/bench/fight_bench" BM_WholeFight_NoReader)")
  printf 'round %d: older %.0f/s, today %.0f/s with narration, %.0f/s without a reader\n' \
    "$r" "${old_kept[-1]}" "${new_kept[-1]}" "${new_quiet[-1]}"
done

python3 - "${old_kept[*]}" "${new_kept[*]}" "${new_quiet[*]}" "$older" <<'PY'
import statistics, sys
old, kept, quiet = ([float(x) for x in a.split()] for a in sys.argv[1:4])
m_old, m_kept, m_quiet = (statistics.median(v) for v in (old, kept, quiet))
print(f"older engine ({sys.argv[4][:10]}): {m_old:.0f} fights/s (median)")
print(f"today, narration kept:     {m_kept:.0f} fights/s, {m_kept / m_old:.2f}x the older")
print(f"today, without a reader:   {m_quiet:.0f} fights/s, {m_quiet / m_old:.2f}x the older")
PY

echo "== the lab, the advice and a league of 50 Dolls (today's build)"
(cd "$work/new/game" && "$work/new/bench/fight_bench" \
  --benchmark_filter='Lab1000|TournamentAdvice' --benchmark_min_time=1)
(cd "$work/new/game" && "$work/new/bench/league_bench" --benchmark_min_time=1)
