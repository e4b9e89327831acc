#!/usr/bin/env bash
# Cross-builds Lanvane for 64-bit Windows into build-windows/ and packs the programs (and
# the language libraries) into build-windows/lanvane-windows-x64.zip. Installs what is
# missing first.
#   scripts/build-windows.sh          build and pack
#   scripts/build-windows.sh --test   also run the unit tests under Wine, then lanvane-cli.exe
#                                     end to end against the Linux simulator (built in build/)
set -euo pipefail
cd "$(dirname "$0")/.."

run_tests=false
[ "${1:-}" = "--test" ] && run_tests=true

# The cross compiler, Wine to run the tests, zip to pack, openssl for the end-to-end run's
# certificate, and the header-only libraries and GoogleTest source that the Windows build
# takes from the Debian packages.
packages=(cmake ninja-build ccache googletest libcli11-dev nlohmann-json3-dev
          g++-mingw-w64-x86-64-posix wine wine64 zip openssl)
bash scripts/install-missing.sh "${packages[@]}"

# ccache caches the files compiled with precompiled headers only with this sloppiness.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1 CCACHE_SLOPPINESS=pch_defines,time_macros
build_dir=build-windows
# No debugging data: the zip strips it anyway, and without it the cross-build takes a third
# less time.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
      -DLANVANE_WERROR=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
# Everything: the programs, their language libraries, the test programs and runners.
cmake --build "$build_dir" -j "$(nproc)"

if $run_tests; then
  # Under full load Wine now and then fails to start a program at all; a test must fail twice.
  ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --repeat until-pass:2
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLANVANE_WERROR=ON \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
  cmake --build build -j "$(nproc)" --target lanvane-printer-sim
  bash scripts/test-windows-e2e.sh build "$build_dir"
  # Leave no Wine server of the build's prefixes behind.
  for prefix in "$build_dir/wine-prefix" "$build_dir/tests/scenarios-win32/wine-prefix-null"; do
    [ -d "$prefix" ] && WINEPREFIX="$PWD/$prefix" timeout 30 wineserver -k 2>/dev/null || true
  done
fi

# The zip holds the programs, stripped of their debugging data, their language libraries
# beside them and lanvane-cli's documentation; no tests and no tools.
stage="$build_dir/lanvane-windows-x64"
rm -rf "$stage" "$build_dir/lanvane-windows-x64.zip"
mkdir -p "$stage"
for program in lanvane lanvane-cli; do
  x86_64-w64-mingw32-strip -o "$stage/$program.exe" "$build_dir/bin/$program.exe"
done
cp "$build_dir"/bin/*.dll "$stage/"
cp docs/cli.md "$stage/"
(cd "$build_dir" && zip -qr lanvane-windows-x64.zip lanvane-windows-x64)
echo "$build_dir/lanvane-windows-x64.zip:"
unzip -l "$build_dir/lanvane-windows-x64.zip"
