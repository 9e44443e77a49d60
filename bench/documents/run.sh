#!/usr/bin/env bash
# Opening and saving documents against the bare control and Wine's wordpad.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tree="$root/build/win64"
"$root/tools/build" win64 >/dev/null
work="$tree/bench-documents"
rm -rf "$work" && mkdir -p "$work"
"$root/tools/wine-run" "$tree" "$tree/bin/documents_bench.exe" "Z:${work//\//\\}" \
  'C:\Program Files\Windows NT\Accessories\wordpad.exe' "$@"
