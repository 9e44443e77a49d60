#!/usr/bin/env bash
# Start-up of Tarnwick (ShowSplash=0) against Wine's notepad, the wineserver running.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tree="$root/build/win64"
"$root/tools/build" win64 >/dev/null
work="$tree/bench-startup"
rm -rf "$work" && mkdir -p "$work"
cp "$tree/bin/Tarnwick.exe" "$work/"
printf '[Main]\r\nShowSplash=0\r\n' >"$work/Tarnwick.ini"
"$root/tools/wine-run" "$tree" "$tree/bin/startup_bench.exe" "Z:${work//\//\\}\\Tarnwick.exe" \
  'C:\windows\system32\notepad.exe' "${1:-15}"
