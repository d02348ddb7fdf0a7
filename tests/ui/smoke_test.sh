#!/bin/sh
# Starts the real program on a virtual X display, waits for its main window to appear under
# its caption, then closes it. Exits 77 (skipped) when xvfb-run is not installed.
#
#   smoke_test.sh PATH/TO/thalmuro
set -u
program=$1
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "xvfb-run is not installed: smoke test skipped"
    exit 77
fi
if ! command -v xdotool >/dev/null 2>&1; then
    echo "xdotool is missing" >&2
    exit 1
fi

exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    caption="ΥΔΡΑΥΛΙΚΟΣ ΥΠΟΛΟΓΙΣΜΟΣ ΔΙΑΧΥΤΗΡΑ"
    LANG=el_GR.UTF-8 "$1" &
    pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --name "$caption" 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$window" ]; then
        echo "no window called \"$caption\" appeared" >&2
        kill "$pid" 2>/dev/null
        exit 1
    fi
    echo "main window found: $(xdotool getwindowname "$window")"
    # Without a window manager there is nobody to ask the window to close: the X server
    # closes it together with the program.
    xdotool windowkill "$window"
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || exit 0
        sleep 0.1
    done
    echo "the program did not end when its window was closed" >&2
    kill "$pid" 2>/dev/null
    exit 1
' smoke "$program"
