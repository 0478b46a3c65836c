#!/bin/sh
# Installs, from Debian 12's archive, whatever the build and the tests need and is missing.
# Quiet, and a no-op when everything is there already.
set -eu

packages="cmake make g++ googletest
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 wine32:i386 fonts-wine xvfb xdotool imagemagick unzip
    clang libclang-rt-14-dev libbenchmark-dev"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $package"
    fi
done
[ -n "$missing" ] || exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing:$missing"
# wine32 is an i386 package: the architecture has to be known to dpkg first.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
