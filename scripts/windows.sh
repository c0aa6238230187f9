#!/bin/sh
# Builds the Windows game on Debian 12 and packages it. As root, or as a user with sudo:
#
#   ./scripts/windows.sh
#
# installs the MinGW-w64 cross compilers, Wine and NSIS from Debian (and, where the kernel cannot
# run 32-bit programs, qemu to run 32-bit Wine), builds the 32-bit and 64-bit Release games with the
# presets win32 and win64 (build-win32/, build-win64/), checks that each .exe imports only DLLs every
# Windows has, and leaves in build-windows/:
#   gloamdelve-VERSION-win32.zip  gloamdelve-VERSION-win32-setup.exe
#   gloamdelve-VERSION-win64.zip  gloamdelve-VERSION-win64-setup.exe
# A second run with everything installed and built only checks and repackages.
# The builds run the art tool under Wine, in the prefix $WINEPREFIX (default build-win64/wine);
# where 32-bit Wine cannot start programs, the 64-bit build's art tool paints the 32-bit build's
# data too (the same files), and the script says so.
# Xvfb is installed too, for tests/windows/installer-check.sh.
set -eu

cd "$(dirname "$0")/.."
repo=$(pwd)
out=$repo/build-windows

say() { printf "windows.sh: %s\n" "$*"; }
fail() {
  printf "windows.sh: %s\n" "$*" >&2
  exit 1
}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo > /dev/null; then
    sudo "$@"
  else
    fail "need root or sudo to run: $*"
  fi
}

# The packages of $@ that are not installed yet.
missing() {
  for package in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2> /dev/null || true)
    [ "$status" = "install ok installed" ] || echo "$package"
  done
}

apt_updated=
install_packages() {
  todo=$(missing "$@")
  [ -n "$todo" ] || return 0
  # shellcheck disable=SC2086 # one word per package
  say "installing" $todo
  if [ -z "$apt_updated" ]; then
    as_root apt-get update
    apt_updated=1
  fi
  # shellcheck disable=SC2086 # one word per package
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $todo
}

command -v dpkg-query > /dev/null || fail "this script installs Debian packages: run it on Debian 12"

install_packages cmake make ccache g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools \
  wine wine64 nsis libstb-dev googletest zip unzip xvfb

# 32-bit Windows programs need 32-bit Wine, and Wine's 32-bit GL needs Mesa's 32-bit libraries.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  say "adding the i386 architecture for 32-bit Wine"
  as_root dpkg --add-architecture i386
  apt_updated=
fi
install_packages wine32:i386 libgl1:i386 libgl1-mesa-dri:i386 libglx-mesa0:i386

# A kernel without 32-bit support runs 32-bit Linux programs (32-bit Wine) through qemu. Where even
# that cannot be set up (no binfmt_misc in a container), the 32-bit game is still built and packaged:
# its data come from the 64-bit art tool below, and its tests need a machine that runs it.
register_qemu_i386() {
  install_packages qemu-user-static
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e "$binfmt/register" ] || as_root mount -t binfmt_misc binfmt_misc "$binfmt" || return 1
  [ -e "$binfmt/qemu-i386" ] && return 0
  # Matches 32-bit x86 ELF executables and shared objects; F opens the interpreter at once.
  printf '%s\n' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
    as_root tee "$binfmt/register" > /dev/null
}
if ! /lib/ld-linux.so.2 --version > /dev/null 2>&1; then
  say "this kernel cannot run 32-bit programs: registering qemu-i386 for them"
  if ! register_qemu_i386 || ! /lib/ld-linux.so.2 --version > /dev/null 2>&1; then
    say "32-bit programs cannot run here, even through qemu: the 32-bit game is built, not run"
  fi
fi

if command -v ccache > /dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
mkdir -p "$out"
export WINEPREFIX="${WINEPREFIX:-$repo/build-win64/wine}" WINEDEBUG="${WINEDEBUG:--all}"

wine64=/usr/lib/wine/wine64
[ -x "$wine64" ] || fail "no $wine64 (Debian's wine64 package)"

# Imports a Windows executable may have: DLLs every Windows has.
system_dlls='^(kernel32|user32|gdi32|opengl32|glu32|winmm|msvcrt)\.dll$'

version=$(sed -n 's/^project(gloamdelve VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || fail "cannot read the project version from CMakeLists.txt"

# 64-bit first: where 32-bit Wine cannot start programs, its art tool paints the 32-bit build's data.
for bits in 64 32; do
  preset=win$bits
  build=$repo/build-$preset
  triple=i686-w64-mingw32
  [ "$bits" = 64 ] && triple=x86_64-w64-mingw32
  say "building $preset (build-$preset)"
  cmake --preset "$preset" > /dev/null
  art_tool=$(sed -n 's/^GLOAMDELVE_ART_TOOL:[A-Z]*=//p' "$build/CMakeCache.txt")
  [ -z "$art_tool" ] || say "$preset: the data are painted by $art_tool (GLOAMDELVE_ART_TOOL, set by an earlier run)"
  # The game and its data only: the packages hold nothing else (the tests are built with
  # `cmake --build --preset $preset`). The data are painted by the build's own art tool under Wine.
  cmake --build --preset "$preset" --target makeart
  if ! cmake --build --preset "$preset" --target gloam_data; then
    if [ "$bits" != 32 ] || [ -n "$art_tool" ]; then fail "$preset: the art tool failed under Wine"; fi
    say "$preset: the 32-bit art tool did not run under Wine (can 32-bit Wine start programs on this machine?):"
    say "$preset: painting the data with the 64-bit build's art tool instead; the files are the same"
    cmake --preset "$preset" "-DGLOAMDELVE_ART_TOOL=$wine64;$repo/build-win64/tools/makeart.exe" > /dev/null
    cmake --build --preset "$preset" --target gloam_data || fail "$preset: the 64-bit art tool failed too"
  fi
  cmake --build --preset "$preset" --target gloamdelve

  imports=$("$triple-objdump" -p "$build/gloamdelve.exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
  [ -n "$imports" ] || fail "$preset: cannot read the imports of gloamdelve.exe"
  others=$(printf '%s\n' "$imports" | grep -Ev "$system_dlls" || true)
  # shellcheck disable=SC2086 # one word per DLL
  [ -z "$others" ] || fail "$preset: gloamdelve.exe imports DLLs that not every Windows has:" $others
  # shellcheck disable=SC2086
  say "$preset: gloamdelve.exe imports only" $imports

  # The icon (every picture of the art tool's .ico) and the version are resources of the program.
  resources=$("$triple-windres" -i "$build/gloamdelve.exe" -J coff -O rc) ||
    fail "$preset: cannot read the resources of gloamdelve.exe"
  pictures=$(od -An -tu2 -j4 -N2 "$build/icons/gloamdelve.ico" | tr -d ' ')
  printf '%s\n' "$resources" | grep -q '^"GLOAMDELVE" 14 /\* RT_GROUP_ICON' || fail "$preset: gloamdelve.exe has no icon GLOAMDELVE"
  [ "$(printf '%s\n' "$resources" | grep -c ' 3 /\* RT_ICON')" = "$pictures" ] ||
    fail "$preset: gloamdelve.exe does not hold the $pictures pictures of icons/gloamdelve.ico"
  printf '%s\n' "$resources" | grep -q "VALUE \"FileVersion\", \"$version\"" || fail "$preset: gloamdelve.exe has no version $version"

  rm -rf "$build/package"
  (cd "$build" && cpack -B "$build/package" > "$build/cpack.log") || fail "$preset: cpack failed, see $build/cpack.log"
  for file in "gloamdelve-$version-$preset.zip" "gloamdelve-$version-$preset-setup.exe"; do
    [ -f "$build/package/$file" ] || fail "$preset: cpack did not make $file (see $build/cpack.log)"
    mv -f "$build/package/$file" "$out/$file"
  done
  rm -rf "$build/package"
done

# The name says the version the game itself reports.
printed=$("$wine64" "$repo/build-win64/gloamdelve.exe" --version 2> /dev/null | tr -d '\r') ||
  fail "the 64-bit game does not run under Wine"
[ "$printed" = "gloamdelve $version" ] || fail "the game reports '$printed', the packages are named $version"

say "done:"
for file in "gloamdelve-$version-win32.zip" "gloamdelve-$version-win32-setup.exe" \
  "gloamdelve-$version-win64.zip" "gloamdelve-$version-win64-setup.exe"; do
  echo "  build-windows/$file ($(wc -c < "$out/$file") bytes)"
done
