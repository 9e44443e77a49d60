#!/usr/bin/env bash
# Many small documents at once: ReOpenLast and a hand-off of every name.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tree="$root/build/win64"
"$root/tools/build" win64 >/dev/null
work="$tree/bench-manydocs"
rm -rf "$work" && mkdir -p "$work"
"$root/tools/wine-run" "$tree" "$tree/bin/manydocs_bench.exe" "Z:${work//\//\\}" \
  "Z:${tree//\//\\}\\bin\\Tarnwick.exe" "${1:-200}"
