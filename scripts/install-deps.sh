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

bash "$(dirname "$0")/install-missing.sh" "${packages[@]}"
