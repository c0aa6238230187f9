#!/bin/sh
# Installs the Debian 12 packages GLOAMDELVE needs to build, run and test. Safe to run again:
# packages already present are left alone.
set -eu

PACKAGES="cmake make g++ clang clang-format libclang-rt-14-dev pkg-config \
libsdl2-dev libgl-dev libglu1-mesa-dev libgl1-mesa-dri libegl-mesa0 libpng-dev \
libgtest-dev libgmock-dev libbenchmark-dev \
xfonts-base xvfb xdotool x11-apps x11-utils x11-xkb-utils xkb-data imagemagick python3 time \
dpkg-dev file lintian desktop-file-utils appstream man-db"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installing:$missing"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
