#!/usr/bin/env bash
# Replays every scenario file at the real Win32 windows under Wine: cross-builds the Win32
# scenario runner and the language libraries in build-windows (configured when missing) and
# runs the scenario-win32 tests, in a Wine prefix of their own with the null display driver
# (no X server needed). Also runs the simulator's tests under Wine. Prints how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)
build=build-windows
jobs=${JOBS:-2}

if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLANVANE_WERROR=ON
fi
if ! cmake --build "$build" --target help | grep -q '^lanvane-scenario-win32:'; then
  echo "test-windows-scenarios: this build has no Win32 backend, so no Win32 scenario runner" >&2
  exit 1
fi
cmake --build "$build" -j"$jobs" --target lanvane-scenario-win32 sim_tests

status=0
ctest --test-dir "$build" -j"$jobs" --output-on-failure -R '^(scenario-win32/|LanPrinterFleet|SimulatedPrinter)' \
  || status=$?
# Leave no Wine server of the build's prefixes behind.
for prefix in "$build/wine-prefix" "$build/tests/scenarios-win32/wine-prefix-null"; do
  [ -d "$prefix" ] && WINEPREFIX="$PWD/$prefix" wineserver -k 2>/dev/null || true
done
echo "test-windows-scenarios: $(( $(date +%s) - started )) s"
exit "$status"
