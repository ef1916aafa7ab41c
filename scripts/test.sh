#!/usr/bin/env bash
# Builds the project twice and runs every test in both builds: once warning-
# free (-Werror), once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/setup.sh

echo "== layout: scripts/format.sh --check"
bash scripts/format.sh --check

jobs=$(nproc 2>/dev/null || echo 2)
run_build() {
  local dir=$1; shift
  echo "== $dir: configure"
  cmake -S . -B "$dir" "$@" >/dev/null
  echo "== $dir: build"
  cmake --build "$dir" -j "$jobs"
  echo "== $dir: test"
  (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

run_build build -DNELVO_WERROR=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_build build-asan -DNELVO_WERROR=ON -DNELVO_SANITIZE=ON -DNELVO_BENCHMARKS=OFF
