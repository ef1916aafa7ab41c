#!/usr/bin/env bash
# Builds the fuzz targets with clang as libFuzzer programs (AddressSanitizer
# and UndefinedBehaviorSanitizer on) and runs each in turn.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target (600 unless given). The growing corpus lands in
# build-fuzz/corpus/TARGET, crashing inputs in build-fuzz/findings/TARGET;
# copy a finding into fuzz/regressions/TARGET once it is mended. The seeds
# in fuzz/corpus and fuzz/regressions are read, never written.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

seconds=${1:-600}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(AesWrappers Base64 DefaultsStore DeviceUriAddress FolderAnswer HexForms JobFilter
           LayoutFile ResponseHeaders ScriptRunner SettingsFile SettingsReader TicketReader)
fi

dictionary_of() {
  case $1 in
    DefaultsStore|SettingsFile) echo json ;;
    LayoutFile) echo layout ;;
    FolderAnswer) echo xml ;;
    SettingsReader|JobFilter) echo settings ;;
    ScriptRunner) echo script ;;
    DeviceUriAddress|ResponseHeaders) echo uri ;;
    *) echo "" ;;
  esac
}

build=build-fuzz
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B "$build" -DNELVO_FUZZ=ON -DNELVO_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]/#/fuzz_}"

summary=()
failed=0
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  findings=$build/findings/$target
  log=$build/logs/$target.log
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  options=(-max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1
           -artifact_prefix="$findings/")
  dictionary=$(dictionary_of "$target")
  [ -n "$dictionary" ] && options+=(-dict="fuzz/dictionaries/$dictionary.dict")
  echo "== $target: ${seconds}s"
  seeds=("fuzz/corpus/$target")
  [ -d "fuzz/regressions/$target" ] && seeds+=("fuzz/regressions/$target")
  status=0
  "$build/fuzz/fuzz_$target" "${options[@]}" "$corpus" "${seeds[@]}" >"$log" 2>&1 || status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || echo "cov: ?")
  found=$(find "$findings" -type f | wc -l)
  line="$target: $runs runs, $coverage, $found findings, exit $status"
  echo "$line"
  summary+=("$line")
  [ "$status" -ne 0 ] && failed=1
done

echo "== summary"
printf '%s\n' "${summary[@]}"
exit $failed
