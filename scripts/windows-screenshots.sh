#!/usr/bin/env bash
# Takes a picture of every window of lanvane.exe against its demo printers, under Wine on a
# virtual X server (pictures are read from the screen, so the null display driver of the
# scenario tests cannot give them). Cross-builds lanvane.exe in build-windows when needed.
#   scripts/windows-screenshots.sh [FOLDER]    (default: build-windows/screenshots)
# The windows speak the language of LC_ALL, e.g. LC_ALL=de_DE.UTF-8. Fails unless every
# window was pictured.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-windows
folder=${1:-$build/screenshots}

# The virtual X server, and Wine's own fonts (the caption buttons are drawn in one of them).
bash scripts/install-missing.sh xvfb xauth fonts-wine

if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DLANVANE_WERROR=ON
fi
cmake --build "$build" -j"${JOBS:-2}" --target lanvane

# A prefix of its own, on the X11 driver. No window manager runs on the virtual server, so
# Wine draws the windows' frames and captions itself.
export WINEPREFIX=$PWD/$build/wine-prefix-x11
trap 'wineserver -k 2>/dev/null || true' EXIT
for setting in "Drivers Graphics x11" "X11 Driver Managed N" "X11 Driver Decorated N"; do
  read -r -a words <<<"$setting"
  value=${words[-1]} name=${words[-2]} key=${words[*]:0:${#words[@]}-2}
  "$build/wine-run" reg add "HKCU\\Software\\Wine\\$key" /v "$name" /d "$value" /f >/dev/null 2>&1
done
wineserver -w
# Wine finds the caption buttons' symbol font only in the prefix's own font folder.
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

rm -rf "$folder"
mkdir -p "$folder"
timeout 180 xvfb-run -a -s "-screen 0 1280x1024x24" "$build/wine-run" "$build/bin/lanvane.exe" --screenshots "$folder"
echo "windows-screenshots: $(find "$folder" -name '*.png' | wc -l) pictures in $folder"
