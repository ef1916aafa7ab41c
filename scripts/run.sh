#!/usr/bin/env bash
# Builds the project and runs the main job: the typical print through the
# reference print dialog to a CUPS queue whose device is the device
# simulator, where the job waits, held, until its pass code releases it; then
# a second dialog for the same queue that shows what the panel remembered.
# The queue lives on a private CUPS scheduler under build/demo/ on a loopback
# port, stopped when this script ends; the machine's own CUPS service is
# never touched.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
demo=$top/build/demo

# Runs a step with its output in a log, shown in full if the step fails.
step() {
  local log
  log=$(mktemp)
  if ! "$@" >"$log" 2>&1; then
    echo "run.sh: failed: $*" >&2
    cat "$log" >&2
    rm -f "$log"
    exit 1
  fi
  rm -f "$log"
}

step bash scripts/setup.sh
step cmake -S . -B build
step cmake --build build -j "$(nproc 2>/dev/null || echo 2)"

# The demonstration keeps its remembered defaults in a folder of its own, so
# that it starts afresh each time and leaves the user's own defaults alone.
rm -rf "$demo"
mkdir -p "$demo/config" "$demo/device"
export XDG_CONFIG_HOME="$demo/config"

# Run as root, the scheduler starts its filters as the user lp; when lp may
# not pass through the folders above build/demo, the scheduler's folder
# goes to a fresh one under /tmp instead.
cups_dir=$demo/cups
if [ "$(id -u)" -eq 0 ] && ! setpriv --reuid=lp --regid=lp --clear-groups test -x "$demo"; then
  cups_dir=$(mktemp -d /tmp/nelvo-demo-cups.XXXXXX)
  chmod 0755 "$cups_dir"
fi

scheduler=""
device=""
stop_all() {
  for pid in $scheduler $device; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  case $cups_dir in /tmp/nelvo-demo-cups.*) rm -rf "$cups_dir" ;; esac
}
trap stop_all EXIT

answers() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

# A free loopback port: one that nothing answers on; should the scheduler
# still lose it to another program, the next try takes another port.
start_scheduler() {
  local port tries deadline
  for tries in 1 2 3 4 5; do
    port=$((20000 + RANDOM % 40000))
    answers "$port" && continue
    scripts/private-cupsd.sh "$cups_dir" "$port" >"$demo/cupsd.log" 2>&1 &
    scheduler=$!
    deadline=$((SECONDS + 20))
    while [ $SECONDS -lt $deadline ] && kill -0 "$scheduler" 2>/dev/null; do
      if answers "$port"; then
        export CUPS_SERVER=127.0.0.1:$port
        return 0
      fi
      sleep 0.1
    done
    kill "$scheduler" 2>/dev/null || true
    wait "$scheduler" 2>/dev/null || true
    scheduler=""
  done
  echo "run.sh: the private CUPS scheduler did not start:" >&2
  cat "$demo/cupsd.log" "$cups_dir/log/error_log" >&2 2>/dev/null || true
  return 1
}

# The device: its folder service and job interface on one free port, its
# print port on another; both told on its first lines.
start_device() {
  local deadline=$((SECONDS + 20))
  build/device-simulator --port 0 --print-port 0 --quiet --output "$demo/device" >"$demo/device.log" 2>&1 &
  device=$!
  until grep -q '^printing on ' "$demo/device.log"; do
    if [ $SECONDS -ge $deadline ] || ! kill -0 "$device" 2>/dev/null; then
      echo "run.sh: the device simulator did not start:" >&2
      cat "$demo/device.log" >&2
      return 1
    fi
    sleep 0.1
  done
  device_http=$(sed -n 's/^listening on //p' "$demo/device.log")
  device_print=$(sed -n 's/^printing on //p' "$demo/device.log")
}

jobs_at_device() { curl -sS "http://$device_http/jobs"; }

start_scheduler
start_device
# Only this server's queues: lpadmin lives in /usr/sbin, which an ordinary
# user's PATH may lack, and PRINTER or LPDEST must not point elsewhere.
export PATH="$PATH:/usr/sbin"
unset PRINTER LPDEST
step lpadmin -p Office_MFP -E -v "socket://$device_print" -P examples/NelvoZlm420k.ppd
step lpadmin -d Office_MFP
echo "== A private CUPS on $CUPS_SERVER with the queue Office_MFP (sample PPD, job filter),"
echo "   printing to the device simulator at socket://$device_print (jobs at http://$device_http/)"
echo

echo "== First dialog: the typical print of examples/report.ps"
build/print-dialog --printer Office_MFP --print examples/report.ps --settings "$demo/job-settings.json" \
  examples/typical-print.txt >"$demo/first-dialog.log"
sed -n '/^print: /p; /^request id is /p' "$demo/first-dialog.log"
echo

deadline=$((SECONDS + 30))
until [ "$(jobs_at_device | jq length)" -ge 1 ]; do
  if [ $SECONDS -ge $deadline ]; then
    echo "run.sh: the job did not reach the device:" >&2
    cat "$cups_dir/log/error_log" >&2 2>/dev/null || true
    exit 1
  fi
  sleep 0.2
done

echo "== The device's job list"
jobs_at_device | jq -r '.[] | "job \(.id): \(.name), user \(.user), \(.retention), \(.state), \(.bytes) bytes"'
echo

release() {
  curl -sS -o /dev/null -w '%{http_code}' -d "passcode=$2" "http://$device_http/jobs/$1/release"
}
echo "== At the device's panel"
echo "release job 1 with pass code 999: HTTP $(release 1 999) ($(jobs_at_device | jq -r '.[0].state'))"
echo "release job 1 with pass code 123: HTTP $(release 1 123) ($(jobs_at_device | jq -r '.[0].state'))"
printed=("$demo/device"/job-1.*)
if [ -f "${printed[0]}" ] && cmp -s "${printed[0]}" examples/report.ps; then
  echo "printed: $(stat -c %s "${printed[0]}") bytes, the same as examples/report.ps ($(stat -c %s examples/report.ps) bytes)"
else
  echo "run.sh: the released job did not print examples/report.ps as it is" >&2
  exit 1
fi
echo

echo "== Second dialog for the same queue"
build/print-dialog --printer Office_MFP examples/next-print.txt >"$demo/second-dialog.log"
mask=$(sed -n 's/^nelvo\.print\.PrintSettings\.holdButton=//p' "$demo/second-dialog.log")
locked=()
names=("pass code" "login name" "password" "user name" "job name" "folder pass code" "user number"
  "account number" "folder name")
for bit in 0 1 2 3 4 5 6 7 8; do
  [ $(((${mask:-0} >> bit) & 1)) -eq 1 ] && locked+=("${names[$bit]}")
done
echo "came back locked: ${locked[*]:-nothing} (lock mask ${mask:-none})"
first_code=$(sed -n 's/^nelvo\.print\.PrintSettings\.jobSuspend2Key=//p' "$demo/first-dialog.log")
second_code=$(sed -n 's/^nelvo\.print\.PrintSettings\.jobSuspend2Key=//p' "$demo/second-dialog.log")
if [ -n "$second_code" ] && [ "$second_code" = "$first_code" ]; then
  echo "the second job carries the remembered pass code again"
fi
