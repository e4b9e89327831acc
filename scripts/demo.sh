#!/usr/bin/env bash
# Installs what is missing, builds the three programs into build/bin and opens the desktop
# program against simulated printers started inside it (two USB printers, LAN printers of
# both kinds, survey ports). Without a screen it saves a picture of every window in
# build/screenshots instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The three programs with their language libraries and man pages: what the package holds.
cmake --build build -j "$(nproc)" --target lanvane_packaged

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No screen: saving pictures of every window in build/screenshots instead." >&2
  mkdir -p build/screenshots
  QT_QPA_PLATFORM=offscreen exec build/bin/lanvane --screenshots build/screenshots
fi
exec build/bin/lanvane --demo "$@"
