#!/usr/bin/env bash
# Makes the Debian packages from a configured build tree and checks them
# without installing them: the files they hold (the bundle, the filter, the
# PPDs, the catalogues, the manual pages in the main package; GTK's module
# and the desktop entry in the -gtk one; no tests or headers), their
# dependencies (GTK for the -gtk package alone), and lintian's verdict (no
# error).
#
# usage: package.sh [BUILD_DIR [OUTPUT_DIR]]   (default: build, BUILD_DIR/package)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
out=${2:-$build/package}
mkdir -p "$out"
out=$(cd "$out" && pwd)

cmake --build "$build" -j2 >/dev/null
rm -f "$out"/*.deb
# fakeroot: the files in the package belong to root, as installed files do.
(cd "$build" && fakeroot cpack -G DEB -B "$out" >/dev/null)
main=$(ls "$out"/nelvo-job-handling_*.deb)
gtk=$(ls "$out"/nelvo-job-handling-gtk_*.deb)
echo "packages: $main $gtk"

fail() { echo "package.sh: $*" >&2; exit 1; }
contents() { dpkg-deb --contents "$1" | awk '{print $6}'; }
# has PACKAGE FILE...: the package holds each file.
has() {
  local deb=$1 files
  files=$(contents "$deb")
  shift
  for wanted in "$@"; do
    grep -qxF "$wanted" <<<"$files" || fail "$(basename "$deb") lacks $wanted"
  done
}
private=./usr/lib/nelvo-job-handling
has "$main" ./usr/bin/nelvo-print-dialog ./usr/bin/nelvo-device-simulator \
  ./usr/lib/cups/filter/nelvo-job-filter \
  $private/libnelvo_platform.so $private/libnelvo_print_dialog.so \
  $private/NelvoPrintPdeZlm420kJC.plugin/Contents/Linux/NelvoPrintPdeZlm420kJC.so \
  $private/NelvoPrintPdeZlm420kJC.plugin/Contents/Info.json \
  ./usr/share/ppd/nelvo-job-handling/NelvoZlm420k.ppd \
  ./usr/share/locale/de/LC_MESSAGES/nelvo-print-dialog.mo \
  ./usr/share/man/man1/nelvo-print-dialog.1.gz ./usr/share/man/man8/nelvo-job-filter.8.gz \
  ./usr/share/doc/nelvo-job-handling/copyright
has "$gtk" $private/nelvo-gtk-front-end.so ./usr/share/applications/nelvo-print-dialog.desktop \
  ./usr/share/doc/nelvo-job-handling-gtk/copyright
if unwanted=$(contents "$main" | grep -E 'gtk|\.desktop$'); then
  fail "the main package holds GTK's part: $unwanted"
fi
if unwanted=$( (contents "$main" && contents "$gtk") | grep -E '\.h$|/include/|[Tt]est|bench|fuzz'); then
  fail "the packages hold files of the build only: $unwanted"
fi

# depends PACKAGE WANTED...: the package's Depends names each.
depends() {
  local deb=$1 field
  field=$(dpkg-deb --field "$deb" Depends)
  echo "$(basename "$deb") depends: $field"
  shift
  for wanted in "$@"; do
    grep -qF -- "$wanted" <<<"$field" || fail "$(basename "$deb") does not depend on $wanted"
  done
}
depends "$main" libc6 libcups2 'cups, '
depends "$gtk" libgtk-4-1 'nelvo-job-handling (= '
if dpkg-deb --field "$main" Depends | grep -q gtk; then fail "the main package depends on GTK"; fi

# lintian's errors fail the check; its warnings are shown.
lintian --tag-display-limit 0 "$main" "$gtk" | tee "$out/lintian.txt" || true
if grep -q '^E:' "$out/lintian.txt"; then fail "lintian found errors"; fi
echo "package.sh: $main and $gtk checked"
