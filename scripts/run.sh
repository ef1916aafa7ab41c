#!/usr/bin/env bash
# Builds the project and runs the main job: the typical print through the
# reference print dialog, then a second dialog for the same queue that
# shows what the panel remembered.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/setup.sh
cmake -S . -B build >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)" >/dev/null

# The demonstration keeps its remembered defaults in a folder of its own, so
# that it starts afresh each time and leaves the user's own defaults alone.
demo=build/demo
rm -rf "$demo"
mkdir -p "$demo/config"
export XDG_CONFIG_HOME="$top/$demo/config"

echo "== First dialog: the typical print"
build/print-dialog --settings "$demo/job-settings.json" examples/typical-print.txt
echo
echo "== Second dialog for the same queue"
build/print-dialog examples/next-print.txt
