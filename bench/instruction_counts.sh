#!/usr/bin/env bash
# Instructions per calculation of each worked example, and per build of the
# 4 × 1000 driving chart, counted by callgrind: the count of 101 runs less
# that of 1, divided by 100 (10 and 1 for the chart). Independent of the
# machine's load, unlike the clock.
#   bash bench/instruction_counts.sh [build-bench/bench/calculation_counts]
set -euo pipefail
BIN="${1:-build-bench/bench/calculation_counts}"
command -v valgrind >/dev/null || { echo "instruction_counts.sh needs valgrind (apt-get install valgrind)" >&2; exit 1; }
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

count() {  # EXAMPLE N -> total instructions
  valgrind --tool=callgrind --callgrind-out-file="$WORK/out" "$BIN" "$1" "$2" 2>"$WORK/log" >/dev/null
  grep -m1 -oP 'Collected : \K[0-9]+' "$WORK/log"
}

echo "| Calculation | Instructions |"
echo "| --- | --- |"
for example in engineering_news hiley_square_rc hiley_round_prestressed danish_square_rc \
  danish_round_prestressed janbu_square_rc janbu_round_prestressed; do
  echo "| calculate/$example | $(( ($(count "$example" 101) - $(count "$example" 1)) / 100 )) |"
done
echo "| drivingChart/four_formulas_1000_rows | $(( ($(count driving_chart 11) - $(count driving_chart 1)) / 10 )) |"
