#!/usr/bin/env bash
# Runs the formatting timings under Wine.
#   bench/format/run.sh <build-dir> [kilobytes]   (a win64 build tree with format_bench.exe built;
#   the document is 5120 KB unless told)
set -euo pipefail
build=$(realpath "${1:?build directory}")
here=$(cd "$(dirname "$0")" && pwd)
work="$build/format-bench"
mkdir -p "$work"
"$here/../../tools/wine-run" "$build" "$build/bin/format_bench.exe" "Z:${work//\//\\}" "${2:-5120}"
