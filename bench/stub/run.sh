#!/usr/bin/env bash
# The stand-in notepad under Wine, the wineserver warm: start-to-exit against an empty
# program, and stub start to document shown in a running editor.
#   bench/stub/run.sh [runs] [hand-overs]
# TWK_BENCH_TREE names the build tree (default build/win64).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tree=${TWK_BENCH_TREE:-$root/build/win64}
if [ ! -f "$tree/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" >/dev/null
fi
cmake --build "$tree" -j2 --target stub_bench >/dev/null
"$root/tools/wine-run" "$tree" "$tree/bin/stub_bench.exe" "${1:-60}" "${2:-20}"
