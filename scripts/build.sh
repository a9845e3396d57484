#!/usr/bin/env bash
# Configures and builds the project.
#
#   bash scripts/build.sh [DIR] [--target NAME]... [CMAKE_OPTION]...
#
# DIR is the build folder (default build/); each --target builds only that
# target (default: everything); the other arguments go to the configure step,
# for example -DBLOWCOUNT_SANITIZE=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=build
if (($#)) && [[ "$1" != -* ]]; then
  BUILD_DIR="$1"
  shift
fi
TARGETS=()
CONFIGURE=()
while (($#)); do
  case "$1" in
    --target) TARGETS+=(--target "$2"); shift 2 ;;
    *) CONFIGURE+=("$1"); shift ;;
  esac
done
GENERATOR=()
command -v ninja >/dev/null && GENERATOR=(-G Ninja)
cmake -S . -B "$BUILD_DIR" "${GENERATOR[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${CONFIGURE[@]}" >/dev/null
cmake --build "$BUILD_DIR" --parallel "$(nproc)" "${TARGETS[@]}"
