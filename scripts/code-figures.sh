#!/usr/bin/env bash
# The code's shape in two figures, over the files git tracks, counting
# non-blank lines that are not // comments:
#   - the tests' lines against all the other C++ lines (goal: about a third);
#   - the source units (a .cpp with its header) outside tests/, fuzz/ and
#     bench/ that have fewer than 20 lines (goal: at most one in ten).
#
# usage: code-figures.sh
set -euo pipefail
cd "$(dirname "$0")/.."

code_lines() { grep -cvE '^[[:space:]]*(//.*)?$' "$@" | awk -F: '{sum += $NF} END {print sum + 0}'; }
sources=$(git ls-files '*.cpp' '*.h')
tests=$(code_lines $(grep '^tests/' <<<"$sources"))
others=$(code_lines $(grep -v '^tests/' <<<"$sources"))
echo "tests: $tests lines against $others other lines ($((100 * tests / others)) %)"

grep -vE '^(tests|fuzz|bench)/' <<<"$sources" | while read -r file; do
  echo "${file%.*} $(code_lines "$file")"
done | awk '{lines[$1] += $2}
  END {for (unit in lines) {units++; if (lines[unit] < 20) small++}
       printf "source units under 20 lines: %d of %d\n", small, units}'
