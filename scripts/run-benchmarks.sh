#!/usr/bin/env bash
# Runs every benchmark program the build made.
set -euo pipefail
build=${1:-build}
for program in "$build"/bench/*_bench; do
  [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  (cd "$build/game" && "$OLDPWD/$program" --benchmark_min_time=1)
done
