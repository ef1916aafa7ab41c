#!/usr/bin/env bash
# Makes the Debian package from a configured build tree and checks it
# without installing it: the files it holds (the bundle, the filter, the
# PPDs, the catalogues, the manual pages, the desktop entry; no tests or
# headers), its dependencies, and lintian's verdict (no error).
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
deb=$(ls "$out"/*.deb)
echo "package: $deb"

fail() { echo "package.sh: $*" >&2; exit 1; }
files=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for wanted in \
  ./usr/bin/nelvo-print-dialog ./usr/bin/nelvo-device-simulator \
  ./usr/lib/cups/filter/nelvo-job-filter \
  ./usr/lib/nelvo-job-handling/NelvoPrintPdeZlm420kJC.plugin/Contents/Linux/NelvoPrintPdeZlm420kJC.so \
  ./usr/lib/nelvo-job-handling/NelvoPrintPdeZlm420kJC.plugin/Contents/Info.json \
  ./usr/share/ppd/nelvo-job-handling/NelvoZlm420k.ppd \
  ./usr/share/locale/de/LC_MESSAGES/nelvo-print-dialog.mo \
  ./usr/share/applications/nelvo-print-dialog.desktop \
  ./usr/share/man/man1/nelvo-print-dialog.1.gz ./usr/share/man/man8/nelvo-job-filter.8.gz \
  ./usr/share/doc/nelvo-job-handling/copyright; do
  grep -qxF "$wanted" <<<"$files" || fail "the package lacks $wanted"
done
if unwanted=$(grep -E '\.h$|/include/|[Tt]est|bench|fuzz' <<<"$files"); then
  fail "the package holds files of the build only: $unwanted"
fi

depends=$(dpkg-deb --field "$deb" Depends)
echo "depends: $depends"
for wanted in libc6 libcups2 'cups-daemon | cups'; do
  grep -qF "$wanted" <<<"$depends" || fail "the package does not depend on $wanted"
done

# lintian's errors fail the check; its warnings are shown.
lintian --tag-display-limit 0 "$deb" | tee "$out/lintian.txt" || true
if grep -q '^E:' "$out/lintian.txt"; then fail "lintian found errors"; fi
echo "package.sh: $deb checked"
