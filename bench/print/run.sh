#!/usr/bin/env bash
# What counting the pages of large documents costs: the page engine over plain and rich
# text of 1 and 5 MB, on a context of a printer's resolution.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tree="$root/build/win64"
cmake --build "$tree" -j1 --target print_bench >/dev/null
"$root/tools/wine-run" "$tree" "$tree/bin/print_bench.exe" "$@"
