#!/usr/bin/env bash
# Builds the project and runs the main job: the typical print through the
# reference print dialog to a CUPS queue, then a second dialog for the same
# queue that shows what the panel remembered. The queue lives on a private
# CUPS scheduler under build/demo/ on a loopback port, stopped when this
# script ends; the machine's own CUPS service is never touched.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/setup.sh
cmake -S . -B build >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" >/dev/null

# The demonstration keeps its remembered defaults in a folder of its own, so
# that it starts afresh each time and leaves the user's own defaults alone.
demo=$top/build/demo
rm -rf "$demo"
mkdir -p "$demo/config"
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
stop_scheduler() {
  if [ -n "$scheduler" ]; then
    kill "$scheduler" 2>/dev/null || true
    wait "$scheduler" 2>/dev/null || true
  fi
  case $cups_dir in /tmp/nelvo-demo-cups.*) rm -rf "$cups_dir" ;; esac
}
trap stop_scheduler EXIT

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

start_scheduler
# Only this server's queues: lpadmin lives in /usr/sbin, which an ordinary
# user's PATH may lack, and PRINTER or LPDEST must not point elsewhere.
export PATH="$PATH:/usr/sbin"
unset PRINTER LPDEST
printed=$cups_dir/Office_MFP.printed
lpadmin -p Office_MFP -E -v "file://$printed" -P examples/NelvoZlm420k.ppd 2>/dev/null
lpadmin -d Office_MFP
echo "== A private CUPS on $CUPS_SERVER with the queue Office_MFP (sample PPD, capture filter)"
echo

echo "== First dialog: the typical print of examples/report.ps"
build/print-dialog --printer Office_MFP --print examples/report.ps --settings "$demo/job-settings.json" \
  examples/typical-print.txt
echo

# The queue's filter writes what the job arrived with; wait for its last line.
deadline=$((SECONDS + 20))
until [ -f "$printed" ] && [ "$(tail -n 1 "$printed")" = "end" ]; do
  if [ $SECONDS -ge $deadline ]; then
    echo "run.sh: the job did not reach the queue's filter" >&2
    exit 1
  fi
  sleep 0.1
done

echo "== lpstat: the job on the queue"
lpstat -W all -o Office_MFP
echo
echo "== What the queue's filter received"
sed -n 's/^title: /job name: /p; s/^user: /user:     /p' "$printed"
printf '%-46s %s\n' "option" "value"
sed -n 's/^options: //p' "$printed" | xargs -n 1 printf '%s\n' | grep '^nelvo\.print\.' |
  while IFS= read -r option; do printf '%-46s %s\n' "${option%%=*}" "${option#*=}"; done
echo

echo "== Second dialog for the same queue"
build/print-dialog --printer Office_MFP examples/next-print.txt
