#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
#   scripts/test.sh             normal build in build/
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build_dir=build
options=(-DLANVANE_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-asan
  # Qt's own allocations that live until exit would drown the leak reports; the
  # sanitized run covers everything below the Qt backend.
  # Every file compiled on its own, without precompiled headers: a file that uses a header
  # it does not include fails here.
  # -O1, the level AddressSanitizer's guide suggests, and line tables only: the reports keep
  # their files and lines, and a cold build takes far less time than at -O2 with full
  # debugging data.
  options+=(-DLANVANE_SANITIZE=ON -DLANVANE_QT=OFF -DLANVANE_PCH=OFF
            -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG")
fi

# ccache keeps rebuilds short; paths are taken relative to the project, so any clone of it
# on this machine shares the cache. The sloppiness lets it cache the files compiled with
# precompiled headers.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1 CCACHE_SLOPPINESS=pch_defines,time_macros
options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build "$build_dir" -j "$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
