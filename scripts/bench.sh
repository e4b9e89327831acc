#!/usr/bin/env bash
# Builds what the benchmarks need and prints one table of all four: the serial/USB jobs at
# 115200 baud, discovery of 10/100/1000 LAN printers, the desktop start and a fleet of 100
# re-addressed from a plan, each against its floor. Everything runs on loopback.
#   scripts/bench.sh [BUILD_DIR]     (default: build, as the demo scripts use)
# An existing build folder keeps its settings; only LANVANE_BENCH is switched on, and the
# benchmark programs are built only here, by name.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DLANVANE_BENCH=ON >/dev/null
else
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLANVANE_BENCH=ON >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target lanvane-cli lanvane-printer-sim lanvane lanvane-bench-serial \
  lanvane-bench-lan lanvane-bench-start lanvane-bench-bare-dialog >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rows=$work/rows.tsv
printf 'BENCHMARK\tJOB\tFIGURES\tFLOOR\tRATIO\tTARGET\tVERDICT\n' >"$rows"
"$build/bench/lanvane-bench-serial" "$build/bin" "$work" >>"$rows"
"$build/bench/lanvane-bench-lan" "$build/bin" "$work" >>"$rows"
"$build/bench/lanvane-bench-start" "$build/bin/lanvane" "$build/bench/lanvane-bench-bare-dialog" >>"$rows"

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'), load $(cut -d' ' -f1-3 /proc/loadavg)"
column -t -s $'\t' "$rows"
! grep -q 'MISSED' "$rows"
