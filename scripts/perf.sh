#!/usr/bin/env bash
# Builds the benchmarks and the start-up probe into build-bench/ (or the
# folder in BUILD_DIR), runs all of them and prints one table with every
# figure against its target, and the conditions it was measured under.
#
#   RUNS=30        start-up runs of each program, per platform
#   REPETITIONS=10 repetitions of each Google Benchmark (the median is kept)
#   PLATFORMS="xcb offscreen"   xcb runs under xvfb-run
#   STRICT=1       exit 1 when a figure misses its target
#   CANDIDATE=PATH a startup_probe built from a changed app/, run in every
#                  round beside the current one and listed for comparison
#   COUNTS=1       also the instructions per calculation under callgrind
#                  (bench/instruction_counts.sh), which the load does not move
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build-bench}"
RUNS="${RUNS:-30}"
REPETITIONS="${REPETITIONS:-10}"
PLATFORMS="${PLATFORMS:-xcb offscreen}"

bash scripts/setup.sh
GENERATOR=()
command -v ninja >/dev/null && GENERATOR=(-G Ninja)
cmake -S . -B "$BUILD_DIR" "${GENERATOR[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBLOWCOUNT_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$BUILD_DIR" --parallel "$(nproc)" \
  --target blowcount_bench bare_window text_window controls_window startup_probe startup_compare calculation_counts

BIN="$BUILD_DIR/bench"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$WORK/runtime}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

load_before="$(cut -d' ' -f1-3 /proc/loadavg)"

echo "== calculators, report pages, PDFs, driving chart, driving records ($REPETITIONS repetitions each)"
QT_QPA_PLATFORM=offscreen "$BIN/blowcount_bench" --benchmark_repetitions="$REPETITIONS" \
  --benchmark_report_aggregates_only=true --benchmark_color=false --rows="$WORK/bench.rows"

: >"$WORK/startup.rows"
for platform in $PLATFORMS; do
  echo "== start-up on $platform ($RUNS runs of each, alternating)"
  compare=("$BIN/startup_compare" --probe "$BIN/startup_probe" --floor "$BIN/bare_window"
    --text-floor "$BIN/text_window" --controls-floor "$BIN/controls_window" --runs "$RUNS" --platform "$platform" --rows "$WORK/$platform.rows")
  if [ -n "${CANDIDATE:-}" ]; then compare+=(--candidate "$(realpath "$CANDIDATE")"); fi
  if [ "$platform" = xcb ]; then
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "${compare[@]}"
  else
    QT_QPA_PLATFORM="$platform" "${compare[@]}"
  fi
  cat "$WORK/$platform.rows" >>"$WORK/startup.rows"
done

if [ "${COUNTS:-0}" = 1 ]; then
  echo "== instructions per calculation (callgrind)"
  bash bench/instruction_counts.sh "$BIN/calculation_counts" >"$WORK/counts.md"
fi

load_after="$(cut -d' ' -f1-3 /proc/loadavg)"
cpu="$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
qt="$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)"

echo
echo "== Blow Count performance"
echo
echo "| Figure | Measured | Target | Met |"
echo "| --- | --- | --- | --- |"
cat "$WORK/startup.rows" "$WORK/bench.rows"
echo
echo "Machine: $cpu, $(nproc) cores, $(free -m | awk '/^Mem:/{print $2}') MiB; Qt $qt;" \
  "build $BUILD_DIR (RelWithDebInfo)."
echo "Load average (1, 5, 15 min): $load_before before, $load_after after."
if [ -f "$WORK/counts.md" ]; then
  echo
  cat "$WORK/counts.md"
fi

if [ "${STRICT:-0}" = 1 ] && grep -q '\*\*no\*\*' "$WORK/startup.rows" "$WORK/bench.rows"; then
  exit 1
fi
