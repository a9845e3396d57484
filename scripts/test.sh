#!/usr/bin/env bash
# Installs what is missing, then checks the project:
#   1. builds the fuzz targets with clang (build-fuzz/, calc and report only);
#   2. builds the whole project with AddressSanitizer and
#      UndefinedBehaviorSanitizer (build-asan/), the report target fuzzing
#      beside the build;
#   3. runs the calculator targets for half a minute each, two at a time;
#   4. runs every test in the sanitizer build, the two number targets fuzzing
#      for a quarter of a minute each beside the tests, whose output comes last.
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

echo "Short fuzz runs (fuzz/campaign.sh):"
wait "$report_fuzz" || status=1
cat "$FUZZ_WORK/report.txt"
fuzz "$FUZZ_SECONDS" 2 engineering_news hiley danish janbu || status=1

fuzz $((FUZZ_SECONDS / 2)) 1 text_to_number number_text >"$FUZZ_WORK/numbers.txt" 2>&1 &
number_fuzz=$!
tests=0
ctest --test-dir build-asan --output-on-failure --timeout 300 >build-asan/ctest-output.txt 2>&1 || tests=1
wait "$number_fuzz" || status=1
cat "$FUZZ_WORK/numbers.txt"
if ((status)); then
  echo "a fuzz target crashed or broke an invariant: inputs in $FUZZ_WORK/artifacts" >&2
fi

echo "Tests in the sanitizer build:"
cat build-asan/ctest-output.txt
((tests == 0)) || status=1
exit "$status"
