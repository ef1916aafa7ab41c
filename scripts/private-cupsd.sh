#!/bin/sh
# Runs a CUPS scheduler of our own in the foreground: everything it keeps
# under DIR, listening on 127.0.0.1:PORT alone, with no browsing, so that
# the machine's own CUPS service and its queues are never touched. The
# main job and the tests start it the same way and stop it with SIGTERM.
#
# usage: private-cupsd.sh DIR PORT
#
# Its filter folder holds the system's filters, the project's job filter
# (the sample PPDs name it; NELVO_JOB_FILTER says where the build left it,
# build/nelvo-job-filter by default) and the capture filter, which records
# what a job arrives with, for queues whose PPD names it. FileDevice lets a
# queue print to a file.
set -eu
[ $# -eq 2 ] || { echo "usage: private-cupsd.sh DIR PORT" >&2; exit 2; }
dir=$1
port=$2
# Both go into the scheduler's configuration, one directive a line: a port
# that is no number or a folder with a line break would write directives of
# their own.
case $port in
  '' | *[!0-9]*) echo "private-cupsd.sh: PORT must be a number, not '$port'" >&2; exit 2 ;;
esac
if [ "$port" -lt 1 ] || [ "$port" -gt 65535 ]; then
  echo "private-cupsd.sh: PORT must be from 1 to 65535, not $port" >&2
  exit 2
fi
case $dir in
  *'
'*) echo "private-cupsd.sh: DIR must not hold a line break" >&2; exit 2 ;;
esac
top=$(cd "$(dirname "$0")/.." && pwd)
cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
serverbin=/usr/lib/cups
job_filter=${NELVO_JOB_FILTER:-$top/build/nelvo-job-filter}

mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
mkdir -p "$dir/conf/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/bin/filter"

# The scheduler finds backends, helpers and the filters that a PPD names
# under its ServerBin; ours holds the system's and, among the filters, our
# own copies of the job filter and the capture filter (copies: filters must
# be owned by the user that runs the scheduler).
for part in backend daemon notifier; do ln -sfn "$serverbin/$part" "$dir/bin/$part"; done
if [ -d "$serverbin/filter" ]; then
  for filter in "$serverbin"/filter/*; do ln -sfn "$filter" "$dir/bin/filter/${filter##*/}"; done
fi
cp "$top/tools/capture-filter.sh" "$dir/bin/filter/nelvo-capture"
if [ -x "$job_filter" ]; then
  cp "$job_filter" "$dir/bin/filter/nelvo-job-filter"
else
  echo "private-cupsd.sh: no job filter at $job_filter; queues of the sample PPDs will not print" >&2
fi
chmod 0755 "$dir" "$dir/bin" "$dir/bin/filter" "$dir/bin/filter/nelvo-capture"
[ -f "$dir/bin/filter/nelvo-job-filter" ] && chmod 0755 "$dir/bin/filter/nelvo-job-filter"

# The model folder lives in the scheduler's data folder, whose other parts
# (MIME types, banners, templates) stay the system's.
data_line=""
if [ -n "${NELVO_CUPS_MODEL:-}" ]; then
  mkdir -p "$dir/data"
  for part in /usr/share/cups/*; do
    [ "${part##*/}" = model ] || ln -sfn "$part" "$dir/data/${part##*/}"
  done
  ln -sfn "$NELVO_CUPS_MODEL" "$dir/data/model"
  data_line="DataDir $dir/data"
fi

# Run as root, the scheduler starts filters as the unprivileged user lp
# (it refuses to run them as root), who must be able to reach them.
user_lines=""
if [ "$(id -u)" -eq 0 ]; then
  user_lines="User lp
Group lp"
  if ! setpriv --reuid=lp --regid=lp --clear-groups test -x "$dir/bin/filter/nelvo-capture"; then
    echo "private-cupsd.sh: the user lp cannot reach $dir (a folder above it is closed to others);" >&2
    echo "choose a folder that others may pass through" >&2
    exit 2
  fi
fi

# Every file the scheduler keeps is named here, so that none of them falls
# back to its place in the machine's own CUPS (/etc/cups, /run/cups, /var).
cat >"$dir/conf/cups-files.conf" <<CONF
$user_lines
SystemGroup $(id -gn)
FileDevice Yes
ServerRoot $dir/conf
ServerBin $dir/bin
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/state/printcap
ServerKeychain $dir/conf/ssl
$data_line
CONF

# Loopback only and open to its one user: no browsing, no sharing, no
# authentication, every operation allowed.
cat >"$dir/conf/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
ServerName 127.0.0.1
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
LogLevel debug
MaxLogSize 0
<Location />
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow from 127.0.0.1
  </Limit>
</Policy>
CONF

exec "$cupsd" -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf"
