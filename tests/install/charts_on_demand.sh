#!/usr/bin/env bash
# blowcount loads Qt Charts (and the Qt OpenGL libraries it brings) only when
# a chart is asked for:
#   - the program does not link them (ldd);
#   - a running program, headless, its main window up, has none of them
#     mapped (/proc/PID/maps);
#   - blowcount --check-charts loads the chart module the program finds from
#     its own folder, shows each of its windows and draws a chart.
#
#   charts_on_demand.sh PROGRAM
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 PROGRAM" >&2; exit 2; }
program=$1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
charts='libQt6Charts|libQt6OpenGL'

linked=$(ldd "$program" | grep -E "$charts" || true)
[ -z "$linked" ] || fail "$program links: $linked"

work=$(mktemp -d /tmp/blowcount-charts.XXXXXX)
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work" "$program" >"$work/run.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
# The splash fills its strip in about two seconds, then the main window opens.
sleep 5
if kill -0 "$pid" 2>/dev/null; then
  mapped=$(grep -oE "[^/ ]*($charts)[^ ]*" "/proc/$pid/maps" | sort -u || true)
  [ -z "$mapped" ] || fail "the running program has mapped: $mapped"
else
  fail "blowcount ended within 5 s: $(cat "$work/run.log")"
fi

if ! XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work" "$program" --check-charts >"$work/check.out" 2>"$work/check.err"; then
  fail "--check-charts: $(cat "$work/check.err")"
fi
for line in "drivingchart: ChartWindow shown" "capacitycheck: CapacityWindow shown" "drivingrecords: RecordsWindow shown" \
  "chart drawn"; do
  grep -qx "$line" "$work/check.out" || fail "--check-charts did not say '$line': $(cat "$work/check.out" "$work/check.err")"
done

((failures == 0)) || exit 1
echo "charts on demand: $(head -1 "$work/check.out")"
