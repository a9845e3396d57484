#!/usr/bin/env bash
# Installs what is missing, then checks the project:
#   1. builds the fuzz targets with clang (build-fuzz/, calc and report only);
#   2. builds the whole project with AddressSanitizer and
#      UndefinedBehaviorSanitizer (build-asan/), the report target fuzzing
#      beside the build;
#   3. runs the calculator targets for half a minute each, two at a time;
#   4. runs every test in the sanitizer build, the two number targets, the
#      pile-file reader, the records' CSV import, the pile files with sections
#      and records and the record check fuzzing for a quarter of a minute each
#      beside the tests.
# It prints one line a test (fitted to 100 columns; ctest's own output stays
# in build-asan/ctest-output.txt), ctest's summary, the fuzz figures and a
# closing line "Tests: N passed, N failed, N skipped".
# BLOWCOUNT_FUZZ_SECONDS sets the half minute (60 for a minute each; the number
# targets get half: their coverage stops growing within seconds). The half
# minute keeps the whole command near 7.5 minutes on two cores, of which the
# sanitizer build alone takes 5. Exits non-zero when a build fails,
# a fuzz target crashes or breaks an invariant, a test fails, or a sanitizer
# reports an error or a leak. scripts/run.sh builds the program itself,
# without sanitizers, in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

FUZZ_SECONDS="${BLOWCOUNT_FUZZ_SECONDS:-30}"
FUZZ_WORK=build-fuzz/short-runs
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0

fuzz() {  # SECONDS JOBS TARGET...
  local seconds="$1" jobs="$2"
  shift 2
  bash fuzz/campaign.sh --build build-fuzz --work "$FUZZ_WORK" --seconds "$seconds" --jobs "$jobs" "$@"
}

bash scripts/build.sh build-fuzz --target fuzzers -DCMAKE_CXX_COMPILER=clang++ -DBLOWCOUNT_FUZZ=ON \
  -DBUILD_TESTING=OFF
mkdir -p "$FUZZ_WORK"
fuzz "$FUZZ_SECONDS" 1 report_page >"$FUZZ_WORK/report.txt" 2>&1 &
report_fuzz=$!

# -Og -g1: quick to compile, and enough for the sanitizers to name file and line.
bash scripts/build.sh build-asan -DBLOWCOUNT_SANITIZE=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-Og -g1" \
  -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST

wait "$report_fuzz" || status=1
fuzz "$FUZZ_SECONDS" 2 engineering_news hiley danish janbu >"$FUZZ_WORK/calculators.txt" 2>&1 || status=1

fuzz $((FUZZ_SECONDS / 2)) 1 text_to_number number_text pile_file records_csv pile_records record_check \
  >"$FUZZ_WORK/numbers.txt" 2>&1 &
number_fuzz=$!
tests=0
ctest --test-dir build-asan --output-on-failure --timeout 300 >build-asan/ctest-output.txt 2>&1 || tests=1
wait "$number_fuzz" || status=1

# The per-test lines made to fit 100 columns, then ctest's summary, then the
# fuzz figures, then one closing line with the counts.
echo "Tests in the sanitizer build (full output: build-asan/ctest-output.txt):"
summary_at=$(grep -n -m1 -E '^[0-9]+% tests passed' build-asan/ctest-output.txt | cut -d: -f1 || true)
if [ -n "$summary_at" ]; then
  head -n $((summary_at - 1)) build-asan/ctest-output.txt | awk -f scripts/ctest_lines.awk
  tail -n +"$summary_at" build-asan/ctest-output.txt
else
  awk -f scripts/ctest_lines.awk build-asan/ctest-output.txt
fi
echo
echo "Short fuzz runs (fuzz/campaign.sh):"
cat "$FUZZ_WORK/report.txt" "$FUZZ_WORK/calculators.txt" "$FUZZ_WORK/numbers.txt"
if ((status)); then
  echo "a fuzz target crashed or broke an invariant: inputs in $FUZZ_WORK/artifacts" >&2
fi
((tests == 0)) || status=1

passed=$(grep -cE '^ *[0-9]+/[0-9]+ +Test +#[0-9]+: .* +Passed +[0-9.]+ sec' build-asan/ctest-output.txt || true)
total=$(grep -cE '^ *[0-9]+/[0-9]+ +Test +#[0-9]+: ' build-asan/ctest-output.txt || true)
skipped=$(grep -cE '^ *[0-9]+/[0-9]+ +Test +#[0-9]+: .*\*\*\*Skipped' build-asan/ctest-output.txt || true)
echo "Tests: $passed passed, $((total - passed - skipped)) failed, $skipped skipped"
exit "$status"
