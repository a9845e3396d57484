#!/usr/bin/env bash
# Installs, with apt-get, everything the program and its tests need on Debian 12.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

PACKAGES=(
  # compiler and build
  build-essential cmake ninja-build pkg-config
  # Qt 6 Widgets, Print Support and Test (qt6-base-dev), the platform plugins
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  # Qt Charts, and the OpenGL module files its CMake package asks for
  qt6-charts-dev libqt6opengl6-dev
  # JSON for pile files and the command line's output (header-only)
  nlohmann-json3-dev
  # Thai fonts (Laksaman, Garuda, Loma, ... of the TLWG) and fontconfig
  fonts-thai-tlwg fontconfig
  # locale sources, for the tests that run in a comma-separator locale
  locales
  # test and benchmark libraries
  libgtest-dev libgmock-dev libbenchmark-dev
  # tools the tests use: a virtual display, PDF inspection, a print service,
  # clang with its fuzzer and sanitizer runtimes
  xvfb xauth poppler-utils cups cups-client cups-bsd
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
