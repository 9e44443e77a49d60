#!/usr/bin/env bash
# Runs the text-command timings under Wine and compares the sort with GNU sort -f in
# the en_US.UTF-8 locale, one thread, on the same lines.
#   bench/textcmd/run.sh <build-dir>     (a win64 build tree with textcmd_bench.exe built)
set -euo pipefail
build=$(realpath "${1:?build directory}")
here=$(cd "$(dirname "$0")" && pwd)
work="$build/textcmd-bench"
mkdir -p "$work"
"$here/../../tools/wine-run" "$build" "$build/bin/textcmd_bench.exe" "Z:${work//\//\\}" "${2:-}" | tee "$work/wine.txt"

if [ -n "${2:-}" ] && [ "${2:-}" != sort ]; then exit 0; fi
# The machine may lack the locale: build it from the system's sources into a private
# folder for this run only.
locale_env=(LC_ALL=en_US.UTF-8)
if ! locale -a 2>/dev/null | grep -qi '^en_US\.utf-\?8$'; then
  mkdir -p "$work/locale"
  [ -d "$work/locale/en_US.UTF-8" ] || localedef -i en_US -f UTF-8 "$work/locale/en_US.UTF-8"
  locale_env+=(LOCPATH="$work/locale")
  echo "(en_US.UTF-8 is not installed here: built with localedef into $work/locale)"
fi
start=$(date +%s.%N)
env "${locale_env[@]}" sort -f --parallel=1 -S 1G "$work/sort-lines.txt" -o "$work/sorted.txt"
end=$(date +%s.%N)
gnu=$(echo "$end - $start" | bc -l)
ours=$(awk '/^sort of 1,000,000 lines by sort keys/ {print $(NF-1)}' "$work/wine.txt")
printf 'GNU sort -f, 1,000,000 lines        %8.2f s\n' "$gnu"
printf 'sort ratio (ours / GNU sort -f)     %8.2f\n' "$(echo "$ours / $gnu" | bc -l)"
