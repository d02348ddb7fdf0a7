#!/bin/sh
# Walks the real program's main window as a screen reader does, in Greek and in English: each
# run on a virtual X display of its own (Xvfb), inside a D-Bus session of its own, where the
# program's accessibility bridge and the AT-SPI registry meet (screen_reader_walk.py does the
# walk). Exits 77 (skipped) when Xvfb, dbus-run-session or Python's pyatspi is not installed;
# tools/install-deps.sh installs them.
#
#   screen_reader_test.sh PATH/TO/thalmuro
set -u
program=$1
walk="$(dirname "$0")/screen_reader_walk.py"
for tool in Xvfb dbus-run-session; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: screen-reader walk skipped"
        exit 77
    fi
done
# The system's Python, which python3-pyatspi installs into, also where another python3 (a
# virtual environment's) comes first on the PATH.
python=""
for candidate in python3 /usr/bin/python3; do
    if "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then
        python=$candidate
        break
    fi
done
if [ -z "$python" ]; then
    echo "python3-pyatspi is not installed: screen-reader walk skipped"
    exit 77
fi

status=0
for language in el en; do
    dbus-run-session -- "$python" "$walk" "$program" "$language" || status=1
done
exit $status
