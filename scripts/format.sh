#!/usr/bin/env bash
# Formats every tracked C++ file with the project's .clang-format, or, with
# --check, lists the files that would change and fails if there are any.
set -euo pipefail
cd "$(dirname "$0")/.."

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
if [[ ${1:-} == --check ]]; then
  unformatted=()
  for file in "${files[@]}"; do
    if ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then unformatted+=("$file"); fi
  done
  if ((${#unformatted[@]})); then
    printf 'not formatted (run scripts/format.sh): %s\n' "${unformatted[@]}" >&2
    exit 1
  fi
  exit 0
fi
clang-format -i "${files[@]}"
