#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Lanvane needs, when missing.
set -euo pipefail

# Qt 6 Widgets and Svg build the desktop program; xvfb and xauth run it without a screen;
# DejaVu Sans stands in for the dialog fonts; Noto Sans CJK draws the Chinese, Japanese and
# Korean texts; scdoc writes the man pages, which man-db and groff check; dpkg-dev finds the
# package's dependencies; bash-completion and zsh try the shell completion; libssl-dev reads
# certificates, and the openssl command makes the tests' certificate files; the accessibility
# bus, its Python client and a private D-Bus session walk the desktop program by keyboard.
packages=(build-essential ccache cmake ninja-build pkg-config googletest libgtest-dev libgmock-dev
          nlohmann-json3-dev libcli11-dev libssl-dev openssl qt6-base-dev qt6-svg-dev libgl-dev xvfb xauth
          fonts-dejavu-core fonts-noto-cjk scdoc man-db groff-base dpkg-dev bash-completion zsh
          at-spi2-core python3-pyatspi gir1.2-atspi-2.0 dbus-daemon x11-utils)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
