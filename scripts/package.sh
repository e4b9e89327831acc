#!/usr/bin/env bash
# Builds the Debian package build/lanvane_VERSION_amd64.deb: the three programs, the
# language libraries, man pages and the rest of what cmake/Install.cmake lists. Reuses the
# build/ tree and builds only what the package holds.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# The sloppiness lets ccache cache the files compiled with precompiled headers.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1 CCACHE_SLOPPINESS=pch_defines,time_macros
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build build -j "$(nproc)" --target lanvane_packaged
rm -f build/lanvane_*_amd64.deb
(cd build && cpack -G DEB >/dev/null)
ls build/lanvane_*_amd64.deb
