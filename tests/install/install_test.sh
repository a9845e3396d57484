#!/usr/bin/env bash
# The installed product, as a user gets it: installs the build into a
# temporary DESTDIR under the prefix /opt/blowcount, moves the whole tree
# elsewhere, and checks from there that
#   - every installed file is in place (programs, PDF module, desktop entry,
#     icons, AppStream data, manual pages, copyright);
#   - blowcount-cli gives its version and a worked example's lines, and writes
#     the PDF report through the module it finds beside itself after the move
#     (and fails, saying so, once that module is gone);
#   - blowcount starts, headless, without Qt Charts or Qt OpenGL linked or
#     loaded, and opens its chart windows from the chart module it finds
#     after the move (charts_on_demand.sh); with that module gone it says so
#     in Thai and opens none;
#   - the desktop entry and the AppStream data pass desktop-file-validate and
#     appstreamcli validate, and name an installed icon and program;
#   - the PNG icons have their sizes, the manual pages render without
#     warnings, and blowcount-cli's page documents every option of --help.
#
#   install_test.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 BUILD_DIR APP_ID VERSION" >&2; exit 2; }
build=$1 id=$2 version=$3
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d /tmp/blowcount-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

DESTDIR="$work/stage" cmake --install "$build" --prefix /opt/blowcount >"$work/install.log" ||
  { cat "$work/install.log" >&2; exit 1; }
mv "$work/stage" "$work/moved"
root=$work/moved/opt/blowcount
libdir=lib/blowcount

for file in bin/blowcount bin/blowcount-cli "$libdir/blowcount-cli-pdf.so" "$libdir/blowcount-charts.so" \
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
  "share/icons/hicolor/scalable/apps/$id.svg" \
  share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/"$id.png" \
  share/man/man1/blowcount.1.gz share/man/man1/blowcount-cli.1.gz share/doc/blowcount/copyright; do
  [ -s "$root/$file" ] || fail "not installed: $file"
done
for program in blowcount blowcount-cli; do
  [ -x "$root/bin/$program" ] || fail "bin/$program is not executable"
done

cli=$root/bin/blowcount-cli
cd "$work"
export LC_ALL=C.UTF-8

# --- blowcount-cli from the moved tree
[ "$("$cli" --version)" = "blowcount-cli $version" ] || fail "--version printed '$("$cli" --version)'"

expected='น้ำหนักลูกตุ้ม = 3  ตัน
ระยะยกลูกตุ้มสูงจากหัวเสา = 100  ซม.
Ultimate Bearing Capacity (Qu) = 120  ตัน
ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  0.214  ซม.
ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก                10 ครั้งสุดท้าย ต้องไม่เกิน  2.14  ซม.
หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม.                   (1 ฟุต) ต้องไม่น้อยกว่า  140  ครั้ง'
if ! actual=$("$cli" engineering-news Qa=30 W=3 h=100 C=0.9 FS=4 --pdf "$work/report.pdf" 2>"$work/pdf.err"); then
  fail "the worked example with --pdf exited non-zero: $(cat "$work/pdf.err")"
fi
[ "$actual" = "$expected" ] || fail "worked example printed:
$actual"
if [ -s "$work/report.pdf" ]; then
  pages=$(pdfinfo "$work/report.pdf" | sed -n 's/^Pages: *//p')
  [ "$pages" = 1 ] || fail "the report has '$pages' pages"
  pdftotext -layout "$work/report.pdf" - | grep -q "Ultimate Bearing Capacity (Qu) = 120" ||
    fail "the report PDF does not hold the worked example's lines"
else
  fail "--pdf wrote no report after the move: $(cat "$work/pdf.err")"
fi

# Without the installed module the report cannot be written: the one used
# above was the moved tree's own.
mv "$root/$libdir/blowcount-cli-pdf.so" "$work/module.so"
if "$cli" engineering-news Qa=30 W=3 h=100 --pdf "$work/none.pdf" >/dev/null 2>"$work/none.err"; then
  fail "--pdf succeeded without the installed module"
fi
grep -q "blowcount-cli-pdf.so not found" "$work/none.err" || fail "missing module reported as: $(cat "$work/none.err")"
[ ! -e "$work/none.pdf" ] || fail "a PDF was written without the module"
mv "$work/module.so" "$root/$libdir/blowcount-cli-pdf.so"

# --- blowcount starts: still running when the time is up
status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" timeout 5 "$root/bin/blowcount" >"$work/gui.log" 2>&1 || status=$?
[ "$status" = 124 ] || fail "blowcount ended with status $status within 5 s: $(cat "$work/gui.log")"

# --- the chart module: found from the moved program, loaded only on demand
bash "$here/charts_on_demand.sh" "$root/bin/blowcount" || fail "charts on demand (above)"
mv "$root/$libdir/blowcount-charts.so" "$work/charts.so"
if QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" "$root/bin/blowcount" --check-charts >/dev/null 2>"$work/charts.err"; then
  fail "--check-charts succeeded without the installed chart module"
fi
grep -q "ไม่พบไฟล์ส่วนแสดงกราฟของโปรแกรม blowcount-charts.so" "$work/charts.err" ||
  fail "missing chart module reported as: $(cat "$work/charts.err")"
mv "$work/charts.so" "$root/$libdir/blowcount-charts.so"

# --- desktop entry and AppStream data
desktop=$root/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate: $desktop"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$work/appstream.log")"
for key in 'Name' 'Name\[th\]' 'GenericName' 'Comment' 'Comment\[th\]' 'Keywords'; do
  grep -q "^$key=." "$desktop" || fail "desktop entry without $key"
done
grep -qx "Icon=$id" "$desktop" || fail "desktop entry's icon is not $id"
grep -qx "Exec=blowcount" "$desktop" || fail "desktop entry does not start blowcount"
grep -qx "Terminal=false" "$desktop" || fail "desktop entry without Terminal=false"
grep -qx "Categories=Science;Engineering;" "$desktop" || fail "desktop entry's categories"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/share/metainfo/$id.metainfo.xml" ||
  fail "AppStream data does not launch $id.desktop"
for lang in summary description; do
  grep -q "<$lang>" "$root/share/metainfo/$id.metainfo.xml" || fail "AppStream data without an English $lang"
done
grep -q '<summary xml:lang="th">' "$root/share/metainfo/$id.metainfo.xml" || fail "AppStream data without a Thai summary"
grep -q '<p xml:lang="th">' "$root/share/metainfo/$id.metainfo.xml" || fail "AppStream data without a Thai description"

# --- icons: a PNG's width and height stand at bytes 16 to 23
for size in 48 64 128 256; do
  png=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
  width=$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4)) height=$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))
  [ "$width x $height" = "$size x $size" ] || fail "$png is $width x $height"
done
grep -q "<svg" "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"

# --- manual pages
for page in blowcount blowcount-cli; do
  warnings=$(MANWIDTH=80 man --warnings -l "$root/share/man/man1/$page.1.gz" 2>&1 >/dev/null) ||
    fail "man $page failed"
  [ -z "$warnings" ] || fail "man $page warns: $warnings"
done
manual=$(MANWIDTH=200 man -l "$root/share/man/man1/blowcount-cli.1.gz" 2>/dev/null)
for option in $("$cli" --help | grep -o -- '--[a-z0-9-]*' | sort -u); do
  grep -q -- "$option" <<<"$manual" || fail "blowcount-cli's manual page does not document $option"
done

if ((failures)); then
  echo "$failures install check(s) failed" >&2
  exit 1
fi
echo "installed, moved and checked: $root"
