#!/bin/sh
# Runs every test of Quorvel: installs what is missing, then configures, builds and tests the
# native build, the native build with sanitizers, a one-minute run of the configuration fuzzer
# and the Windows build under Wine.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# Windows tests run the 32-bit program under 32-bit Wine where this machine can run 32-bit
# code; a kernel built without it (dmesg: "IA-32 emulation off") gets the 64-bit Windows
# build of the same sources under 64-bit Wine instead.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    windows_tests=windows
else
    windows_tests=windows-x64
    echo "Note: this machine cannot run 32-bit programs, so the Windows tests run the 64-bit build."
fi

mkdir -p build
for preset in native native-sanitize native-fuzz windows windows-x64; do
    echo "=== $preset: configure and build"
    log=build/$preset-build.log
    if ! { cmake --preset "$preset" -DQUORVEL_WERROR=ON && cmake --build --preset "$preset" -j"$(nproc)"; } >"$log" 2>&1; then
        cat "$log"
        exit 1
    fi
    case $preset in
    native | native-sanitize | native-fuzz | "$windows_tests")
        echo "=== $preset: test"
        ctest --preset "$preset" -j"$(nproc)"
        ;;
    esac
done
echo "All tests passed."
