#!/usr/bin/env bash
# Installs the build into a staged tree (DESTDIR, prefix /opt/nelvo) and
# runs the installed programs from there, with a cleared environment and the
# build tree on none of their paths: the dialog must find its bundle, PPD
# and catalogues from where it is installed, and the libraries it loads must
# come from the staged tree or the system.
#
# usage: staged-install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d)
scheduler=""
device=""
stop() {
  for pid in $scheduler $device; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap stop EXIT
fail() { echo "staged-install: $*" >&2; exit 1; }

DESTDIR=$work/stage cmake --install "$build" --prefix /opt/nelvo >"$work/install.log"
root=$work/stage/opt/nelvo
dialog=$root/bin/nelvo-print-dialog
filter=$root/lib/cups/filter/nelvo-job-filter

# Nothing installed refers to the build tree for its libraries.
for binary in "$dialog" "$root/bin/nelvo-device-simulator" "$filter" \
  "$root"/lib/nelvo-job-handling/*.so "$root"/lib/nelvo-job-handling/NelvoPrintPdeZlm420kJC.plugin/Contents/Linux/*.so; do
  [ -x "$binary" ] || [ -f "$binary" ] || fail "not installed: $binary"
  if readelf -d "$binary" | grep -E 'R(UN)?PATH' | grep -vq 'ORIGIN'; then
    fail "$binary has a run path outside its own tree: $(readelf -d "$binary" | grep -E 'R(UN)?PATH')"
  fi
done
for library in libnelvo_platform.so libnelvo_print_dialog.so; do
  loaded=$(ldd "$dialog" | awk -v name=$library '$1 == name {print $3}')
  [ "$(realpath "$loaded")" = "$root/lib/nelvo-job-handling/$library" ] ||
    fail "the dialog does not load the installed $library: $loaded"
done
# GTK's dialog is a module of its own: everything below runs without it,
# as on a machine without GTK (the separate package not installed).
gtk_module=$root/lib/nelvo-job-handling/nelvo-gtk-front-end.so
[ -f "$gtk_module" ] || fail "GTK's front end is not installed"
ldd "$dialog" | grep -q libgtk && fail "the dialog links GTK: $(ldd "$dialog" | grep libgtk)"
rm "$gtk_module"

# A clean environment: no CUPS server to ask (a closed loopback port), a
# home of its own, the installed programs first on PATH; only the
# sanitizers' settings of a sanitizer build pass through.
mkdir -p "$work/home"
sanitizers=()
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
  [ -n "${!name:-}" ] && sanitizers+=("$name=${!name}")
done
cups_server=127.0.0.1:1
run() {
  (cd "$work" && env -i HOME="$work/home" PATH="$root/bin:/usr/bin:/bin" CUPS_SERVER="$cups_server" LANG=C.UTF-8 \
    "${sanitizers[@]}" "$@")
}

# (what is run, what its output must hold)
cases=(
  "nelvo-print-dialog --help|usage: print-dialog"
  "nelvo-device-simulator --help|usage: device-simulator"
)
for case in "${cases[@]}"; do
  IFS='|' read -r command wanted <<<"$case"
  # shellcheck disable=SC2086
  output=$(run $command 2>&1) || fail "$command failed: $output"
  grep -qF -- "$wanted" <<<"$output" || fail "$command did not say \"$wanted\": $output"
done

# The scripted typical print with the installed sample PPD: the panel's
# keys come out as lp's options, which the installed filter then turns into
# the device's job ticket around the sample document.
run nelvo-print-dialog --lp-options "$source/examples/typical-print.txt" >"$work/lp-options" 2>"$work/transcript" ||
  fail "the typical print failed: $(cat "$work/transcript")"
grep -q -- '-o ' "$work/lp-options" || fail "the typical print gave no options: $(cat "$work/lp-options")"
options=$(sed -e 's/^-o //' -e 's/ -o / /g' "$work/lp-options")
run "$filter" 7 someone report 1 "$options" "$source/examples/report.ps" >"$work/job" 2>"$work/filter.log" ||
  fail "the filter refused the job: $(cat "$work/filter.log")"
# The ticket carries the typical print's retention: held, with a pass code.
for wanted in '%-12345X@PJL JOB NAME=' '@PJL SET HOLD=STORE' '@PJL SET HOLDTYPE=PRIVATE' '@PJL SET NELVO_SPOOLTIME='; do
  grep -qaF "$wanted" "$work/job" || fail "the job ticket lacks $wanted: $(head -c 600 "$work/job")"
done
grep -qF "$(head -c 200 "$source/examples/report.ps")" "$work/job" || fail "the filtered job lacks the document"

# A private scheduler whose model folder is the staged one lists the PPD.
# Run as root, it starts its helpers as lp, who must pass through $work.
chmod 0755 "$work"
answers() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
for _ in 1 2 3 4 5; do
  port=$((20000 + RANDOM % 40000))
  answers "$port" && continue
  NELVO_CUPS_MODEL=$root/share/ppd NELVO_JOB_FILTER=$filter \
    sh "$source/scripts/private-cupsd.sh" "$work/cups" "$port" >"$work/cupsd.log" 2>&1 &
  scheduler=$!
  deadline=$((SECONDS + 20))
  until answers "$port" || [ $SECONDS -ge $deadline ] || ! kill -0 "$scheduler" 2>/dev/null; do sleep 0.1; done
  answers "$port" && break
  kill "$scheduler" 2>/dev/null || true
  wait "$scheduler" 2>/dev/null || true
  scheduler=""
done
[ -n "$scheduler" ] || fail "the private CUPS scheduler did not start: $(cat "$work/cupsd.log")"
models=$(CUPS_SERVER=127.0.0.1:$port lpinfo -m 2>&1) || fail "lpinfo -m failed: $models"
grep -q '^nelvo-job-handling/NelvoZlm420k.ppd ' <<<"$models" ||
  fail "lpinfo -m does not list the staged PPD: $(grep -i nelvo <<<"$models")"

# A queue made with the staged PPD by its model name, printing to the
# installed simulator: the installed dialog's typical print arrives there
# held, through the installed filter.
env -i PATH="$root/bin:/usr/bin:/bin" "${sanitizers[@]}" \
  nelvo-device-simulator --port 0 --print-port 0 --quiet --output "$work/device" >"$work/device.log" 2>&1 &
device=$!
deadline=$((SECONDS + 20))
until grep -q '^printing on ' "$work/device.log"; do
  if [ $SECONDS -ge $deadline ] || ! kill -0 "$device" 2>/dev/null; then
    fail "the simulator did not start: $(cat "$work/device.log")"
  fi
  sleep 0.1
done
device_http=$(sed -n 's/^listening on //p' "$work/device.log")
device_print=$(sed -n 's/^printing on //p' "$work/device.log")
CUPS_SERVER=127.0.0.1:$port /usr/sbin/lpadmin -p Staged -E -v "socket://$device_print" \
  -m nelvo-job-handling/NelvoZlm420k.ppd || fail "lpadmin -m refused the staged PPD"
cups_server=127.0.0.1:$port
run nelvo-print-dialog --printer Staged --print "$source/examples/report.ps" \
  "$source/examples/typical-print.txt" >"$work/print.log" 2>&1 || fail "the print failed: $(cat "$work/print.log")"
deadline=$((SECONDS + 30))
until curl -sS "http://$device_http/jobs" | grep -q 'held'; do
  [ $SECONDS -lt $deadline ] || fail "no job held at the device: $(curl -sS "http://$device_http/jobs")"
  sleep 0.2
done
status=0
run nelvo-print-dialog --gui >"$work/gui.log" 2>&1 || status=$?
[ $status -eq 2 ] && grep -qF "GTK's print dialog is not installed" "$work/gui.log" ||
  fail "--gui without GTK's module gave status $status: $(cat "$work/gui.log")"
echo "staged-install: ok"
