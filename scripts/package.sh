#!/usr/bin/env bash
# Builds the Debian package: a Release build of the program alone (no tests)
# in build-package/, then cpack -G DEB there. Prints the package's path, then
# lintian's findings on it; exits non-zero when the build fails or lintian
# reports an error. Install it with: apt install ./build-package/blowcount_*.deb
# Arguments go to the configure step, for example the maker's details:
#   bash scripts/package.sh -DBLOWCOUNT_WEB_ADDRESS=http://www.example.co.th -DBLOWCOUNT_EMAIL=...
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh package
BUILD_DIR=build-package

GENERATOR=()
command -v ninja >/dev/null && GENERATOR=(-G Ninja)
# Debian's hardening flags, all of them (stack protector, fortified functions,
# full RELRO with immediate binding).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$BUILD_DIR" "${GENERATOR[@]}" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" \
  "-DCMAKE_MODULE_LINKER_FLAGS=$ldflags" "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags" "$@" >/dev/null
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
rm -f "$BUILD_DIR"/blowcount_*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
deb=$(ls "$BUILD_DIR"/blowcount_*.deb)
echo "$deb"
if command -v lintian >/dev/null; then
  # The package is built as Debian builds native packages; lintian is run as
  # a user would run it on a .deb (errors fail the script, warnings are shown).
  lintian --tag-display-limit 0 "$deb" || { echo "lintian reported errors on $deb" >&2; exit 1; }
fi
