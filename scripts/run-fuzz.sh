#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a set time each, `jobs` targets at a time:
#   scripts/run-fuzz.sh <fuzz build folder> <seconds per target> [jobs]
# Each target starts from its seeds and the corpus of earlier runs (kept in the build folder).
# An input that makes a target fail is kept under tests/fuzz/regressions/<target>/, where the
# ordinary tests replay it; the script then exits 1. Prints the runs of each target.
set -uo pipefail

build=${1:?fuzz build folder}
seconds=${2:-60}
jobs=${3:-1}
root=$(cd "$(dirname "$0")/.." && pwd)

# One target: prints its runs; returns 1 when it found a failing input.
fuzz_one() {
  local program=$1
  local name=${program##*/fuzz-}
  corpus="$build/fuzz-corpus/$name"
  regressions="$root/tests/fuzz/regressions/$name"
  mkdir -p "$corpus" "$regressions"
  seeds=("$build/fuzz-seeds/$name")
  if [ -f "$build/fuzz-seeds/$name.folders" ]; then
    while IFS= read -r folder; do
      [ -n "$folder" ] && [ -d "$folder" ] && seeds+=("$folder")
    done < "$build/fuzz-seeds/$name.folders"
  fi
  existing=()
  for folder in "${seeds[@]}"; do [ -d "$folder" ] && existing+=("$folder"); done
  log="$build/fuzz-$name.log"
  "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$regressions/" "$corpus" "${existing[@]}" >"$log" 2>&1
  status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
  rmdir "$regressions" 2>/dev/null || true  # only targets with a kept input keep a folder
  if [ $status -ne 0 ]; then
    echo "fuzz-$name: FAILED after ${runs:-?} runs; the input is kept in $regressions (log: $log)"
    tail -n 30 "$log"
    return 1
  fi
  echo "fuzz-$name: ${runs:-?} runs in ${seconds} s, nothing found"
}

failed=0
running=0
for program in "$build"/tests/fuzz/fuzz-*; do
  [ -x "$program" ] || continue
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  fuzz_one "$program" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit $failed
