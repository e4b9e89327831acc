#!/usr/bin/env bash
# Builds the Debian package and checks it as installed: unpacks it into a fresh root, runs
# the programs from there (the desktop program without a screen), checks that the German
# language library is loaded from its installed folder, validates the desktop entry, the
# AppStream data and the man pages, and runs lintian, whose errors fail the check.
set -euo pipefail
cd "$(dirname "$0")/.."

# The checkers, when missing; apt-get waits for no other apt run, so none may be running.
checkers=(lintian desktop-file-utils appstream man-db)
missing=()
for package in "${checkers[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  if pgrep -x 'apt|apt-get|dpkg' >/dev/null; then
    echo "check-package: another apt or dpkg run is busy; try again when it ends" >&2
    exit 1
  fi
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

bash scripts/package.sh >/dev/null
deb=$(ls build/lanvane_*_amd64.deb)
version=$(dpkg-deb -f "$deb" Version)
root=$(mktemp -d /tmp/lanvane-package-XXXXXX)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
bin=$root/usr/bin
unset LD_LIBRARY_PATH

step() { printf '== %s\n' "$*"; }

step "lanvane-cli and lanvane-printer-sim start"
if "$bin/lanvane-cli" --version >/dev/null 2>&1; then
  "$bin/lanvane-cli" --version
else
  "$bin/lanvane-cli" --help >/dev/null
fi
"$bin/lanvane-printer-sim" --help >/dev/null

step "lanvane --version without a screen"
answer=$(QT_QPA_PLATFORM=offscreen "$bin/lanvane" --version)
[ "$answer" = "lanvane $version" ] || { echo "lanvane --version said \"$answer\"" >&2; exit 1; }

step "the German windows come from $root/usr/lib/lanvane/German.dll"
loads=$(LANG=de_DE.UTF-8 LC_ALL= LC_MESSAGES= QT_QPA_PLATFORM=offscreen LD_DEBUG=files \
        timeout 120 "$bin/lanvane" --screenshots "$root/shots" 2>&1 >/dev/null | grep 'German.dll' || true)
# The loader tries a path first ("dynamically loaded by"); only an opened file gets a link map.
grep "file=$root/usr/lib/lanvane/German.dll " <<<"$loads" | grep -q "generating link map" \
  || { echo "German.dll was not loaded from the installed folder:" >&2; echo "$loads" >&2; exit 1; }

step "lanvane-cli's documentation"
test -s "$root/usr/share/doc/lanvane/cli.md"

step "desktop entry, AppStream data, man pages"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
for page in "$root"/usr/share/man/man1/*.1.gz; do
  MANWIDTH=80 man -l "$page" >/dev/null
done

step "lintian"
lintian --fail-on error "$deb"
