#!/usr/bin/env bash
# Tries the Debian packages as a new user would, on a clean Debian: a
# minimal bookworm made by debootstrap in a folder, entered with chroot (not
# run by CI: it downloads from Debian's archive). There it
#   1. installs the main package alone with apt-get: GTK is not pulled in;
#   2. starts the machine's CUPS scheduler, which lists the installed PPD;
#      makes a queue with it (lpadmin -m) to the installed device simulator,
#      prints the typical print with the installed dialog and sees the job
#      held at the device, through the installed filter;
#   3. asks for GTK's dialog, and is told clearly that it is not installed;
#   4. installs the -gtk package too (GTK comes with it), whose module then
#      loads (no display here, which the dialog says);
#   5. removes both with apt-get and finds none of their files left.
#
# usage: clean-machine.sh PACKAGE_DIR [BASE]   (run as root; BASE, the
#        untouched Debian that each run copies, is made with debootstrap when
#        it does not exist; default /var/tmp/nelvo-clean-base)
set -euo pipefail
packages=$(cd "$1" && pwd)
base=${2:-/var/tmp/nelvo-clean-base}
source=$(cd "$(dirname "$0")/.." && pwd)

fail() {
  echo "clean-machine: $*" >&2
  [ -f "${root:-}/var/log/cups/error_log" ] && tail -n 20 "$root/var/log/cups/error_log" >&2
  exit 1
}
step() { echo "clean-machine: $*"; }
inside() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

if [ ! -x "$base/usr/bin/apt-get" ]; then
  command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
  debootstrap --variant=minbase bookworm "$base" http://deb.debian.org/debian
fi
root=$(mktemp -d /var/tmp/nelvo-clean.XXXXXX)
cp -a "$base/." "$root/"
# The copy keeps debootstrap's own device nodes: the machine's /dev is
# never mounted inside it, so that removing the copy cannot reach it.
mount -t proc proc "$root/proc"
stop() {
  for pid in /run/cups/cupsd.pid /tmp/nelvo/device.pid; do
    [ -f "$root$pid" ] && kill "$(cat "$root$pid")" 2>/dev/null
  done
  true
  umount "$root/proc" 2>/dev/null || true
  mountpoint -q "$root/proc" || rm -rf --one-file-system "$root"
}
trap stop EXIT
# Services are not started by packages here: the scheduler is started below.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/tmp/nelvo"
main_deb=$(basename "$(ls "$packages"/nelvo-job-handling_*.deb)")
gtk_deb=$(basename "$(ls "$packages"/nelvo-job-handling-gtk_*.deb)")
cp "$packages/$main_deb" "$packages/$gtk_deb" "$source/examples/report.ps" "$source/examples/typical-print.txt" "$root/tmp/nelvo/"
inside apt-get update -qq

# Every file on the machine but the package system's and the scheduler's
# own bookkeeping.
files() {
  inside find / -xdev \( -path /proc -o -path /dev -o -path /tmp -o -path /run -o -path /var/lib/dpkg \
    -o -path /var/lib/apt -o -path /var/cache -o -path /var/log -o -path /var/spool/cups -o -path /etc/cups \
    -o -path /root \) -prune -o -print | sort
}

step "1. the main package alone"
inside apt-get install -y -qq "/tmp/nelvo/$main_deb" >/dev/null
inside dpkg -s libgtk-4-1 >/dev/null 2>&1 && fail "installing the main package pulled in GTK"
inside dpkg -L nelvo-job-handling >"$root/tmp/nelvo/main.list"

step "2. a queue with the installed PPD, a job held at the simulator"
inside /usr/sbin/cupsd
deadline=$((SECONDS + 20))
until curl -s -o /dev/null http://127.0.0.1:631/; do
  [ $SECONDS -lt $deadline ] || fail "the machine's scheduler did not start"
  sleep 0.2
done
models=$(inside lpinfo -m 2>&1) || fail "lpinfo -m failed: $models"
grep '^lsb/usr/nelvo-job-handling/NelvoZlm420k.ppd ' <<<"$models" ||
  fail "lpinfo -m does not list the PPD among its $(wc -l <<<"$models"): $(grep -i nelvo <<<"$models")"
inside sh -c 'nelvo-device-simulator --port 0 --print-port 0 --quiet >/tmp/nelvo/device.log 2>&1 & echo $! >/tmp/nelvo/device.pid'
deadline=$((SECONDS + 20))
until grep -q '^printing on ' "$root/tmp/nelvo/device.log" 2>/dev/null; do
  [ $SECONDS -lt $deadline ] || fail "the simulator did not start"
  sleep 0.2
done
device_http=$(sed -n 's/^listening on //p' "$root/tmp/nelvo/device.log")
device_print=$(sed -n 's/^printing on //p' "$root/tmp/nelvo/device.log")
inside lpadmin -p Office_MFP -E -v "socket://$device_print" -m lsb/usr/nelvo-job-handling/NelvoZlm420k.ppd
inside nelvo-print-dialog --printer Office_MFP --print /tmp/nelvo/report.ps /tmp/nelvo/typical-print.txt |
  tail -1
deadline=$((SECONDS + 30))
until curl -sS "http://$device_http/jobs" | grep -q '"held"'; do
  [ $SECONDS -lt $deadline ] || fail "no job held at the device: $(curl -sS "http://$device_http/jobs")"
  sleep 0.2
done
curl -sS "http://$device_http/jobs"
echo

step "3. GTK's dialog without its package"
status=0
answer=$(inside nelvo-print-dialog --gui 2>&1) || status=$?
echo "$answer (status $status)"
[ $status -eq 2 ] && grep -qF "GTK's print dialog is not installed" <<<"$answer" || fail "--gui did not say so"

step "4. the -gtk package"
inside apt-get install -y -qq "/tmp/nelvo/$gtk_deb" >/dev/null
inside dpkg -s libgtk-4-1 >/dev/null 2>&1 || fail "the -gtk package did not pull in GTK"
inside dpkg -L nelvo-job-handling-gtk >"$root/tmp/nelvo/gtk.list"
status=0
answer=$(inside nelvo-print-dialog --gui 2>&1) || status=$?
echo "$answer (status $status)"
grep -qF "needs a display" <<<"$answer" || fail "GTK's module did not load"

step "5. removal"
inside lpadmin -x Office_MFP
before=$(files)
inside apt-get remove -y -qq nelvo-job-handling-gtk nelvo-job-handling >/dev/null
after=$(files)
left=$(cat "$root/tmp/nelvo/main.list" "$root/tmp/nelvo/gtk.list" | while read -r path; do
  [ -f "$root$path" ] && echo "$path"
done || true)
[ -z "$left" ] || fail "files left after removal: $left"
appeared=$(comm -13 <(echo "$before") <(echo "$after"))
[ -z "$appeared" ] || fail "files that appeared with the removal: $appeared"
step "removed: $(comm -23 <(echo "$before") <(echo "$after") | wc -l) paths gone, none of the packages' files left"
step "ok"
