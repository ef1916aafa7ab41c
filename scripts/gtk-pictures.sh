#!/usr/bin/env bash
# Draws each tab of the Job Handling panel in GTK's print dialog into
# docs/, for the README: print-dialog --gui runs a script on a private X
# server, with the typical print's fields filled in on the first tab.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
mkdir -p docs
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config GSK_RENDERER=cairo GTK_A11Y=none NO_AT_BRIDGE=1
script='click retentionCheckBox
type suspendKeyEditText 123
click suspendKeyButton
screenshot docs/gtk-retention.png
select tabView 1
screenshot docs/gtk-authentication.png
select tabView 2
screenshot docs/gtk-job-id.png
cancel'
# The script ends with Cancel, so the dialog's status is 1.
status=0
printf '%s\n' "$script" | xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/print-dialog" --gui --printer "Print to File" - >/dev/null || status=$?
[ "$status" -eq 1 ]
