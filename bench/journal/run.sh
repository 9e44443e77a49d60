#!/usr/bin/env bash
# What a recovery journal write costs the window's thread, against a stream-out of the
# same document, and what the writer's thread then spends on the disk.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tree="$root/build/win64"
"$root/tools/build" win64 >/dev/null
work="$tree/bench-journal"
rm -rf "$work" && mkdir -p "$work"
"$root/tools/wine-run" "$tree" "$tree/bin/journal_bench.exe" "Z:${work//\//\\}"
