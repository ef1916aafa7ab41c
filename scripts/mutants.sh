#!/usr/bin/env bash
# The suite's power as a count: applies the small faults of
# scripts/mutants.txt one at a time to this checkout, rebuilds, runs the
# suite and counts the faults it catches. A fault whose build fails is "not
# applicable" and counted apart; one whose text is not found once in its
# folder is "missing".
#
# It edits the checkout it lives in (each fault is undone with
# `git checkout -- FILE`), so run it in a worktree of its own, e.g.
#   git worktree add /tmp/mutants-run HEAD && /tmp/mutants-run/scripts/mutants.sh
# It refuses to start while the mutated folders have uncommitted changes.
#
# The suite runs fail-fast (the first failing test ends the run) with the
# quickest tests first, so a caught fault costs its build and a few tests;
# a fault that survives costs the whole suite.
#
# usage: mutants.sh [--check] [--build DIR] [--log FILE] [--only N[,N...]]
#   --check     only say which faults' texts are missing or not unique
#   --build     the build tree (default build-mutants/, configured if new)
#   --log       the per-fault outcomes (default DIR/mutants.log)
#   --only      the faults to apply, by their number in the list (from 1)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

list=scripts/mutants.txt
build=$root/build-mutants
log=
only=
check_only=false
while (($#)); do
  case $1 in
    --check) check_only=true ;;
    --build) build=$(realpath -m "$2"); shift ;;
    --log) log=$(realpath -m "$2"); shift ;;
    --only) only=",$2,"; shift ;;
    *) echo "usage: $0 [--check] [--build DIR] [--log FILE] [--only N[,N...]]" >&2; exit 2 ;;
  esac
  shift
done
log=${log:-$build/mutants.log}

# The faults: "folder<TAB>original<TAB>replacement", in the list's order.
mapfile -t faults < <(sed -nE '/^[[:space:]]*(#|$)/d; s/^([^:]+): (.*) ==> (.*)$/\1\t\2\t\3/p' "$list")
((${#faults[@]})) || { echo "no faults in $list" >&2; exit 1; }

# The one tracked file of `folder` that holds `original` once, with no other
# occurrence in the folder; nothing otherwise.
locate() {
  local folder=$1 original=$2 files count
  files=$(git ls-files -z -- "$folder" | xargs -0 grep -lF -- "$original" || true)
  [[ -n $files && $(wc -l <<<"$files") -eq 1 ]] || return 0
  count=$(grep -oF -- "$original" "$files" | wc -l)
  ((count == 1)) && echo "$files"
  return 0
}

# Replaces the one occurrence of the original text in the file, literally.
apply() {
  FILE=$1 ORIGINAL=$2 REPLACEMENT=$3 python3 - <<'EOF'
import os
path = os.environ["FILE"]
text = open(path, encoding="utf-8").read()
open(path, "w", encoding="utf-8").write(text.replace(os.environ["ORIGINAL"], os.environ["REPLACEMENT"], 1))
EOF
}

if $check_only; then
  bad=0
  for i in "${!faults[@]}"; do
    IFS=$'\t' read -r folder original _ <<<"${faults[i]}"
    if [[ -z $(locate "$folder" "$original") ]]; then
      echo "fault $((i + 1)) ($folder): not found once: $original"
      bad=$((bad + 1))
    fi
  done
  echo "${#faults[@]} faults, $bad not found once"
  ((bad == 0))
  exit
fi

folders=$(cut -f1 < <(printf '%s\n' "${faults[@]}") | sort -u)
if [[ -n $(git status --porcelain -- $folders) ]]; then
  echo "uncommitted changes in $(echo $folders): commit them or run in another worktree" >&2
  exit 1
fi

# Without debug information: quicker to build and link, and the compiler's
# cache then serves worktrees in other folders alike.
if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S "$root" -B "$build" -DNELVO_WERROR=ON -DNELVO_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -DNDEBUG" \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null
fi
mkdir -p "$(dirname "$log")"
work=$build/mutants
mkdir -p "$work"
costs=$build/Testing/Temporary/CTestCostData.txt

build_tree() { cmake --build "$build" -j2 >"$1" 2>&1; }
run_suite() {
  ctest --test-dir "$build" -j2 --timeout 120 --stop-on-failure "$@" >"$work/ctest.log" 2>&1
}

# Whether the suite fails on the tree as built. A failure counts only when
# the failed tests fail again on their own: one that does not repeat was
# the busy machine's (a timeout), and the suite runs once more instead.
caught_by_suite() {
  local attempt
  for attempt in 1 2; do
    cp "$work/quickest-first" "$costs"
    run_suite && return 1
    ctest --test-dir "$build" --rerun-failed --timeout 120 >"$work/rerun.log" 2>&1 || return 0
    echo "fault $n: a failure that did not repeat: $(grep -c ' - ' "$work/ctest.log") test(s)" >&2
  done
  return 1
}

start=$(date +%s)
echo "building the unchanged tree and running the whole suite once"
build_tree "$work/baseline-build.log" || { echo "the unchanged tree does not build: $work/baseline-build.log" >&2; exit 1; }
if ! run_suite; then
  echo "the suite fails on the unchanged tree: $work/ctest.log" >&2
  exit 1
fi
# CTest runs the costliest tests first; inverting the recorded costs puts
# the quickest first, which is what a fail-fast run wants.
awk '$0 == "---" {exit} NF == 3 {printf "%s %s %.6f\n", $1, $2, 1 / ($3 + 0.001)}' "$costs" >"$work/quickest-first"

file=
restore() { [[ -n $file ]] && git checkout -- "$file"; file=; }
trap 'restore' EXIT
trap 'exit 130' INT TERM

: >"$log"
caught=0 survived=0 inapplicable=0 missing=0 applied=0
for i in "${!faults[@]}"; do
  n=$((i + 1))
  [[ -z $only || $only == *",$n,"* ]] || continue
  IFS=$'\t' read -r folder original replacement <<<"${faults[i]}"
  file=$(locate "$folder" "$original")
  where=${file:-$folder}
  began=$(date +%s)
  if [[ -z $file ]]; then
    outcome=missing missing=$((missing + 1)) detail="text not found once in $folder"
  else
    apply "$file" "$original" "$replacement"
    applied=$((applied + 1))
    if ! build_tree "$work/build-$n.log"; then
      outcome=not-applicable inapplicable=$((inapplicable + 1)) detail="build fails: $work/build-$n.log"
    else
      if caught_by_suite; then
        outcome=caught caught=$((caught + 1))
        detail=$(sed -nE 's/^[[:space:]]*[0-9]+ - ([^ ]+) .*/by \1/p' "$work/ctest.log" | head -1)
      else
        outcome=survived survived=$((survived + 1)) detail=
      fi
    fi
    restore
  fi
  line="$n $outcome $(($(date +%s) - began))s $where: $original${detail:+ ($detail)}"
  echo "$line" | tee -a "$log"
done

echo "restoring the build of the unchanged tree"
build_tree "$work/final-build.log" || true
summary="caught $caught of $((caught + survived)) applicable faults ($survived survived," 
summary+=" $inapplicable not applicable, $missing missing) in $((($(date +%s) - start) / 60)) min"
echo "$summary" | tee -a "$log"
