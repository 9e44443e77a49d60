#!/usr/bin/env bash
# The Favorites menu and the favorites editor over a store of 4,000 records.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tree="$root/build/win64"
work="$tree/bench-favorites"
rm -rf "$work" && mkdir -p "$work"
"$root/tools/wine-run" "$tree" "$tree/bin/favorites_bench.exe" "Z:${work//\//\\}" "${1:-9}"
