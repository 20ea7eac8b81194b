#!/usr/bin/env bash
# Builds the benchmark programs and prints one table: start-up of the game against a bare Qt
# window, the shop's opening, and peak memory with the music playing.
#   bench/measure.sh [build folder]     (VELKO_BENCH_RUNS=21 starts/openings per case)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build-bench}
cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELKO_BENCH=ON >/dev/null
cmake --build "$build" --target startup_bench shop_bench memory_bench >/dev/null

# The full reports stay next to the programs; only the table is printed.
out=$build/bench/results
mkdir -p "$out"
run() {
  local name=$1
  shift
  echo "running $name ..." >&2
  "$build/bench/$name" --benchmark_out="$out/$name.json" --benchmark_out_format=json "$@" \
    >"$out/$name.txt" 2>&1
}
# Starts of the two probes are interleaved at random, so a busy moment hits both alike.
run startup_bench --benchmark_enable_random_interleaving=true
run shop_bench
# The first opening after the title happens once per process: a few processes for a median.
for i in 1 2 3 4 5; do
  "$build/bench/shop_bench" --benchmark_filter=open_first \
    --benchmark_out="$out/shop_first_$i.json" --benchmark_out_format=json >/dev/null 2>&1
done
run memory_bench

echo "reports: $out"
python3 - "$out" <<'PY'
import glob, json, re, statistics, sys
runs = {}
for part in ("startup", "shop", "memory"):
    for b in json.load(open(f"{sys.argv[1]}/{part}_bench.json"))["benchmarks"]:
        if b.get("error_occurred"):
            continue
        if b["run_type"] == "aggregate" and b["aggregate_name"] != "median":
            continue
        runs[re.split(r"/(?:iterations|repeats|manual_time)", b["run_name"])[0]] = b

firsts = [json.load(open(f))["benchmarks"][0]["real_time"]
          for f in glob.glob(f"{sys.argv[1]}/shop_first_*.json")]
if firsts:
    runs["Shop/open_first"] = {"real_time": statistics.median(firsts), "repetitions": len(firsts)}

def get(name, key="real_time"):
    return runs[name][key] if name in runs and key in runs[name] else None

def cell(name, key="real_time", fmt="{:.1f}"):
    value = get(name, key)
    return "n/a" if value is None else fmt.format(value)

def ratio(key):
    out = []
    for platform in ("offscreen", "xvfb"):
        bare, game = get(f"Start/bare/{platform}", key), get(f"Start/game/{platform}", key)
        out.append(f"{game / bare:.2f}x" if bare and game else "n/a")
    return out

n = get("Start/game/offscreen", "repetitions")
print()
print(f"start-up to the first painted window, median of {n} starts each")
print("(cpu is the whole process's, to its exit; exit is the time from spawn to exit)")
print(f"{'':30} {'offscreen':>26} {'xvfb':>26}")
print(f"{'':30}" + f" {'paint ms':>9} {'exit ms':>8} {'cpu ms':>7}" * 2)
keys = ("real_time", "exit_ms", "cpu_ms")
for who, label in (("bare", "floor: bare Qt label"),
                   ("bare_fluidsynth", "floor + FluidSynth linked"),
                   ("game", "game: title screen"),
                   ("game_first", "  the first, painting its picture")):
    cells = [cell(f"Start/{who}/{platform}", key)
             for platform in ("offscreen", "xvfb") for key in keys]
    print(f"{label:30} {cells[0]:>9} {cells[1]:>8} {cells[2]:>7} {cells[3]:>9} {cells[4]:>8} {cells[5]:>7}")
ratios = [ratio(key) for key in keys]
print(f"{'ratio game/floor (goal 1.2x)':30} {ratios[0][0]:>9} {ratios[1][0]:>8} {ratios[2][0]:>7}"
      f" {ratios[0][1]:>9} {ratios[1][1]:>8} {ratios[2][1]:>7}")
paired = [cell(f"Pair/{platform}", key, "{:.2f}x") for platform in ("offscreen", "xvfb")
          for key in ("ratio", "exit_ratio")]
print(f"{'ratio of paired starts':30} {paired[0]:>9} {paired[1]:>8} {'':>7}"
      f" {paired[2]:>9} {paired[3]:>8}")
print("  (the median of game/bare over starts made one right after the other)")
print()
print(f"shop, median of {get('Shop/open', 'repetitions')} openings (goal < 30 ms)")
print(f"{'  built, shown, painted, gone':30} {cell('Shop/open'):>9} ms")
print(f"{'  first opening after title':30} {cell('Shop/open_first'):>9} ms"
      f"  (median of {get('Shop/open_first', 'repetitions')} processes)")
print(f"{'  built, never shown':30} {cell('Shop/build_unshown'):>9} ms")
print(f"{'  catalogue read alone':30} {cell('Shop/catalogue_read', fmt='{:.2f}'):>9} ms")
print()
print(f"peak resident set, median of {get('Peak/game_music', 'repetitions')} runs (goal < 100 MB)")
print(f"{'  bare Qt label':30} {cell('Peak/bare', 'peak_MB'):>9} MB")
print(f"{'  game at the title screen':30} {cell('Peak/game_title', 'peak_MB'):>9} MB")
music = runs.get("Peak/game_music", {}).get("label", "")
print(f"{'  game + ind30xg playing':30} {cell('Peak/game_music', 'peak_MB'):>9} MB  {music}")
PY
