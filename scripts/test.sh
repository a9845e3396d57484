#!/usr/bin/env bash
# Installs what is missing, then checks the project:
#   1. builds the fuzz targets with clang (build-fuzz/, calc and report only)
#      and runs each for a minute (BLOWCOUNT_FUZZ_SECONDS), two at a time, the
#      first beside the next build;
#   2. builds the whole project with AddressSanitizer and
#      UndefinedBehaviorSanitizer (build-asan/) and runs every test there.
# Exits non-zero when a build fails, a fuzz target crashes or breaks an
# invariant, a test fails, or a sanitizer reports an error or a leak.
# scripts/run.sh builds the program itself, without sanitizers, in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

FUZZ_SECONDS="${BLOWCOUNT_FUZZ_SECONDS:-60}"
FUZZ_WORK=build-fuzz/short-runs
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0

bash scripts/build.sh build-fuzz --target fuzzers -DCMAKE_CXX_COMPILER=clang++ -DBLOWCOUNT_FUZZ=ON \
  -DBUILD_TESTING=OFF
mkdir -p "$FUZZ_WORK"
bash fuzz/campaign.sh --build build-fuzz --work "$FUZZ_WORK" --seconds "$FUZZ_SECONDS" --jobs 1 \
  report_page >"$FUZZ_WORK/beside-build.txt" 2>&1 &
beside_build=$!

# -Og -g1: quick to compile, and enough for the sanitizers to name file and line.
bash scripts/build.sh build-asan -DBLOWCOUNT_SANITIZE=ON "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-Og -g1" \
  -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST

echo "Short fuzz runs (fuzz/campaign.sh):"
wait "$beside_build" || status=1
cat "$FUZZ_WORK/beside-build.txt"
bash fuzz/campaign.sh --build build-fuzz --work "$FUZZ_WORK" --seconds "$FUZZ_SECONDS" --jobs 2 \
  text_to_number number_text engineering_news hiley danish janbu || status=1
if ((status)); then
  echo "a fuzz target crashed or broke an invariant: inputs in $FUZZ_WORK/artifacts" >&2
fi

echo "Tests in the sanitizer build:"
ctest --test-dir build-asan --output-on-failure --timeout 300 || status=1
exit "$status"
