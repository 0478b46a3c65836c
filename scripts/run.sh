#!/bin/sh
# Builds Quorvel and starts it under Wine on this desktop, with its configuration beside it.
set -eu
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ]; then
    echo "Quorvel is a desktop program and needs a display, but DISPLAY is not set." >&2
    echo "Start it from a desktop session, or on a virtual display with: xvfb-run -a scripts/run.sh" >&2
    exit 1
fi
scripts/install-deps.sh

# The 32-bit program needs a machine that runs 32-bit code; elsewhere the 64-bit build of the
# same sources stands in for it.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    preset=windows loader=/usr/lib/wine/wine arch=win32
else
    preset=windows-x64 loader=/usr/lib/wine/wine64 arch=win64
    echo "Note: this machine cannot run 32-bit programs; starting the 64-bit build of Quorvel."
fi
log=build/$preset-build.log
mkdir -p build
if ! { cmake --preset "$preset" && cmake --build --preset "$preset" --target Quorvel; } >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi

# A Wine prefix of Quorvel's own; the first start takes a little longer while Wine sets it up.
export WINEPREFIX="${QUORVEL_WINEPREFIX:-$PWD/build/$preset/run-prefix}"
export WINEARCH=$arch
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
echo "Starting build/$preset/Quorvel.exe (configuration: build/$preset/Quorvel.cfg)"
exec "$loader" "build/$preset/Quorvel.exe"
