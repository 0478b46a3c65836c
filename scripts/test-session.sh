#!/bin/sh
# Starts or stops the session that Windows tests run in: a virtual display (Xvfb) and a
# persistent Wine server for the build's own prefix. It stops only what it started itself.
#   test-session.sh start|stop WINE_RUN SESSION_DIR [STANDIN_WINMM]
# STANDIN_WINMM, a recording winmm.dll, is put where the system's own lies; Wine still loads
# its own unless a test asks for the native one (WINEDLLOVERRIDES winmm=n,b).
set -eu
action=$1
wine_run=$2
session=$3
standin=${4:-}
prefix=$session/wine-prefix

stop_session() {
    if [ -d "$prefix" ]; then
        "$wine_run" wineserver -k 2>/dev/null || true
    fi
    if [ -s "$session/xvfb.pid" ]; then
        pid=$(cat "$session/xvfb.pid")
        # Only if that process is still the Xvfb that we started.
        if [ "$(cat /proc/"$pid"/comm 2>/dev/null)" = Xvfb ]; then
            kill "$pid" 2>/dev/null || true
        fi
        rm -f "$session/xvfb.pid"
    fi
    rm -f "$session/display"
}

start_display() {
    rm -f "$session/display.number"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
        3>"$session/display.number" >"$session/xvfb.log" 2>&1 &
    echo $! >"$session/xvfb.pid"
    tries=0
    until [ -s "$session/display.number" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ]; then
            echo "Xvfb did not start; see $session/xvfb.log" >&2
            exit 1
        fi
        sleep 0.1
    done
    echo ":$(cat "$session/display.number")" >"$session/display"
}

boot_prefix() {
    # A prefix is made once and reused; one that never finished booting is made anew.
    if [ -f "$prefix/.quorvel-ready" ]; then
        return
    fi
    rm -rf "$prefix"
    echo "Creating the Wine prefix $prefix (once per build folder)"
    "$wine_run" wineboot -i >"$session/wineboot.log" 2>&1
    "$wine_run" wineserver -w
    # Without a window manager Wine waits for one at every show and hide of a window.
    "$wine_run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$session/wineboot.log" 2>&1
    "$wine_run" wineserver -w
    touch "$prefix/.quorvel-ready"
}

case $action in
start)
    mkdir -p "$session"
    stop_session
    start_display
    boot_prefix
    if [ -n "$standin" ]; then
        cp "$standin" "$prefix/drive_c/windows/system32/winmm.dll"
    fi
    # A persistent server saves Wine's start-up at every test program.
    "$wine_run" wineserver -p >/dev/null 2>&1
    ;;
stop)
    stop_session
    ;;
*)
    echo "usage: $0 start|stop WINE_RUN SESSION_DIR" >&2
    exit 2
    ;;
esac
