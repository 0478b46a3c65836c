#!/bin/sh
# Takes screenshots of Quorvel's dialog and About box as a person sees them, with the caption
# drawn, in a Wine virtual desktop on the test session's display.
#   screenshots.sh WINE_RUN SESSION_DIR BUILD_DIR OUTPUT_DIR
set -eu
wine_run=$1
session=$2
build=$3
out=$4
DISPLAY=$(cat "$session/display")
export DISPLAY
mkdir -p "$out"

work=$(mktemp -d "$session/screenshots.XXXXXX")
cp "$build/Quorvel.exe" "$build/Quorvel.cfg" "$work/"
program="Z:$(echo "$work/Quorvel.exe" | tr / '\\')"

QUORVEL_STANDIN_DEVICES="Synth Module|USB MIDI Interface" QUORVEL_DLLOVERRIDES=winmm=n,b \
    "$wine_run" explorer.exe /desktop=Quorvel,520x200 "$program" &
runner=$!
trap 'kill $runner 2>/dev/null || true; rm -rf "$work"' EXIT

desktop=""
for _ in $(seq 100); do
    desktop=$(xdotool search --name '^Quorvel - Wine desktop$' 2>/dev/null | head -n 1) || true
    [ -n "$desktop" ] && break
    sleep 0.2
done
if [ -z "$desktop" ]; then
    echo "the virtual desktop did not appear" >&2
    exit 1
fi

snap() {
    sleep 1.5  # let Wine finish painting
    import -window "$desktop" "$out/$1"
    colours=$(convert "$out/$1" -format %k info:)
    if [ "$colours" -lt 8 ]; then
        echo "$out/$1 is blank ($colours colours)" >&2
        exit 1
    fi
    echo "wrote $out/$1"
}

# A click makes the dialog the active window, then the keys go where a user's would.
xdotool mousemove --window "$desktop" 5 5 click 1
snap quorvel-dialog.png
xdotool key alt+a
snap quorvel-about.png
xdotool key Return
sleep 0.5
xdotool key Escape
wait $runner
trap - EXIT
rm -rf "$work"
