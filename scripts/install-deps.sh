#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Lanvane needs, when missing.
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config googletest libgtest-dev libgmock-dev
          nlohmann-json3-dev libcli11-dev)

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
