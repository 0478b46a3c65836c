#!/bin/sh
# Measures, under Wine, how long Quorvel.exe and the empty baseline dialog take from being
# started to showing their dialog (runs in turn, medians), and prints their stripped sizes.
#   bench/startup.sh BUILD_DIR [RUNS]    e.g. bench/startup.sh build/windows-x64 21
# BUILD_DIR is a configured and built Windows build folder (windows or windows-x64).
# Quorvel is timed twice: with Wine's own winmm.dll (whose MIDI driver looks for the ALSA
# sequencer when Quorvel lists the devices) and with the build's recording stand-in, which
# leaves only the program's own start-up.
set -eu
build=$(cd "$1" && pwd)
runs=${2:-21}
here=$(cd "$(dirname "$0")" && pwd)
session=$build/test-session
work=$(mktemp -d)
trap '"$here/../scripts/test-session.sh" stop "$build/wine-run" "$session"; rm -rf "$work"' EXIT

# Both programs from one folder of their own, Quorvel with its configuration beside it.
cp "$build/Quorvel.exe" "$build/Quorvel.cfg" "$build/bench/EmptyDialog.exe" "$work/"
"$here/../scripts/test-session.sh" start "$build/wine-run" "$session" "$build/tests/standin/winmm.dll"
windows_work=$("$build/wine-run" winepath -w "$work" | tr -d '\r')
echo "With Wine's winmm.dll:"
"$build/wine-run" "$build/bench/startup_time.exe" "$runs" \
    "$windows_work\\Quorvel.exe" "Quorvel " "$windows_work\\EmptyDialog.exe" "Empty" | tr -d '\r' | grep -v '^ALSA'
echo "With the stand-in winmm.dll:"
QUORVEL_DLLOVERRIDES=winmm=n,b "$build/wine-run" "$build/bench/startup_time.exe" "$runs" \
    "$windows_work\\Quorvel.exe" "Quorvel " "$windows_work\\EmptyDialog.exe" "Empty" | tr -d '\r'

case $(basename "$build") in
*x64*) strip=x86_64-w64-mingw32-strip ;;
*) strip=i686-w64-mingw32-strip ;;
esac
for program in Quorvel.exe EmptyDialog.exe; do
    $strip -o "$work/stripped-$program" "$work/$program"
    echo "$program stripped: $(stat -c %s "$work/stripped-$program") bytes"
done
