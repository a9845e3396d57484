#!/usr/bin/env bash
# Installs what is missing, builds the program (the blowcount target and the
# libraries it links, nothing else) in build/ and starts it. The tests, tools
# and benchmarks are built by scripts/test.sh and scripts/perf.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
echo "Building the program blowcount in build/ (the first build takes a few minutes; later starts only rebuild what changed)."
bash scripts/build.sh build --target blowcount
exec build/app/blowcount "$@"
