#!/usr/bin/env bash
# Runs every fuzz target for a while, a few at a time, and prints its figures:
# executions, corpus size and crashes. Exits non-zero when a target crashed,
# broke an invariant, hung or failed to run.
#
#   bash fuzz/campaign.sh [--build DIR] [--seconds N | --runs N] [--jobs N] [--work DIR]
#                         [--flag -NAME=VALUE ...] [TARGET ...]
#
#   --build    the fuzz build (default build-fuzz; see fuzz/CMakeLists.txt)
#   --seconds  how long each target runs (default 600)
#   --runs     instead: how many inputs each target tries, however long it takes
#   --jobs     how many targets run at once (default 2)
#   --work     where the growing corpora, the crash inputs and the logs go
#              (default DIR/fuzz-work); a later campaign goes on from there
#   --flag     one more libFuzzer flag for every target, such as -entropic=0
#   TARGET     text_to_number number_text engineering_news hiley danish janbu
#              report_page pile_file records_csv pile_records record_check
#              (default: all)
#
# A crash input is kept as WORK/artifacts/TARGET-crash-...; replay it with
#   DIR/fuzz/TARGET_fuzzer WORK/artifacts/TARGET-crash-...
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=build-fuzz
SECONDS_EACH=600
RUNS=""
JOBS=2
WORK=""
FLAGS=()
TARGETS=()
while (($#)); do
  case "$1" in
    --build) BUILD="$2"; shift 2 ;;
    --seconds) SECONDS_EACH="$2"; shift 2 ;;
    --runs) RUNS="$2"; shift 2 ;;
    --jobs) JOBS="$2"; shift 2 ;;
    --work) WORK="$2"; shift 2 ;;
    --flag) FLAGS+=("$2"); shift 2 ;;
    -h|--help) sed -n '2,21p' "$0"; exit 0 ;;
    -*) echo "campaign.sh: unknown option $1" >&2; exit 2 ;;
    *) TARGETS+=("$1"); shift ;;
  esac
done
((${#TARGETS[@]})) || TARGETS=(text_to_number number_text engineering_news hiley danish janbu report_page pile_file records_csv
  pile_records record_check)
WORK="${WORK:-$BUILD/fuzz-work}"
mkdir -p "$WORK/artifacts" "$WORK/logs"

dictionary_of() {
  case "$1" in
    report_page) echo fuzz/dictionaries/report.dict ;;
    pile_file|pile_records) echo fuzz/dictionaries/pile_file.dict ;;
    record_check) echo fuzz/dictionaries/record_check.dict ;;
    *) echo fuzz/dictionaries/calculator.dict ;;
  esac
}

# One target: the growing corpus first (new inputs go there), the seeds second.
run_target() {
  local target="$1" binary="$BUILD/fuzz/${1}_fuzzer"
  local corpus="$WORK/corpus/$target" log="$WORK/logs/$target.log"
  mkdir -p "$corpus"
  if [ ! -x "$binary" ]; then
    echo "no $binary: build the target fuzzers first" >"$log"
    echo 127 >"$WORK/logs/$target.status"
    return
  fi
  local status=0 limit=(-max_total_time="$SECONDS_EACH") guard=$((SECONDS_EACH + 120))
  # A count of runs has no time to guard: a day is far beyond any campaign here.
  [ -n "$RUNS" ] && limit=(-runs="$RUNS") guard=86400
  # The outer timeout only guards against a fuzzer that stops answering;
  # -timeout catches a single input that hangs.
  timeout --kill-after=30 "$guard" \
    "$binary" "${limit[@]}" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
      -print_final_stats=1 -dict="$(dictionary_of "$target")" "${FLAGS[@]}" \
      -artifact_prefix="$WORK/artifacts/$target-" \
      "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  echo "$status" >"$WORK/logs/$target.status"
}

if [ -n "$RUNS" ]; then each="$RUNS runs"; else each="${SECONDS_EACH} s"; fi
echo "fuzzing ${#TARGETS[@]} targets for $each each, $JOBS at a time; logs in $WORK/logs"
started=$(date +%s)
running=0
for target in "${TARGETS[@]}"; do
  rm -f "$WORK/logs/$target.status"
  touch "$WORK/logs/$target.start"
  run_target "$target" &
  running=$((running + 1))
  if ((running >= JOBS)); then
    wait -n || true
    running=$((running - 1))
  fi
done
wait || true

failed=0
total_runs=0
printf '%-18s %14s %10s %12s %8s  %s\n' target executions exec/s corpus crashes result
for target in "${TARGETS[@]}"; do
  log="$WORK/logs/$target.log"
  status=$(cat "$WORK/logs/$target.status" 2>/dev/null || echo 1)
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  # The corpus as the fuzzer last reported it: inputs kept and their bytes.
  corpus=$({ grep -o 'corp: [0-9]*/[0-9]*[bKM]*' "$log" || true; } | tail -1 | sed 's/corp: //')
  crashes=$(find "$WORK/artifacts" -name "$target-*" -newer "$WORK/logs/$target.start" 2>/dev/null | wc -l)
  result=ok
  if [ "$status" != 0 ]; then
    result="FAILED (exit $status)"
    failed=1
  fi
  total_runs=$((total_runs + ${runs:-0}))
  printf '%-18s %14s %10s %12s %8s  %s\n' "$target" "${runs:-?}" "${speed:-?}" "${corpus:-?}" "$crashes" "$result"
done
echo "total: $total_runs executions in $(($(date +%s) - started)) s"

if ((failed)); then
  echo
  for target in "${TARGETS[@]}"; do
    [ "$(cat "$WORK/logs/$target.status" 2>/dev/null || echo 1)" = 0 ] && continue
    echo "=== $target ($WORK/logs/$target.log) ==="
    { grep -E -A12 'invariant broken|ERROR:|runtime error|Test unit written|no .*_fuzzer' "$WORK/logs/$target.log" || true; } | head -60
  done
  exit 1
fi
