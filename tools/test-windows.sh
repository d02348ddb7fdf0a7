#!/usr/bin/env bash
# Builds the engine, the command-line runner and their tests for Windows (MinGW-w64, static
# .exe files) and runs the tests under Wine, headless, in a Wine prefix of the build folder.
# Run as root, the tests also get a drive T: of a small file system of their own (in a mount
# namespace of this run) to fill up, for the full-disk tests; otherwise those are skipped.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build-windows
jobs=$(nproc)
export WINEPREFIX="$PWD/$build/wine-prefix"
export WINEDEBUG=-all
# No Mono or Gecko installers: the programs are plain console programs.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DTHALMURO_ENGINE_ONLY=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
mkdir -p "$WINEPREFIX"
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init
# One Wine server for the whole run: a server starting while another is shutting down can leave
# a test program waiting, and each program starts faster.
wineserver --persistent 2>/dev/null || true  # one may be running for the prefix already
trap 'wineserver --kill 2>/dev/null || true' EXIT
# The build lists the tests by running each test program under Wine.
cmake --build "$build" -j"$jobs"

# Now and then a test program under Wine stops making progress after one of its child programs
# has ended (Wine 8); such a test is stopped at the time limit and run again.
run_tests="ctest --test-dir $build --output-on-failure -j$jobs --timeout 60 \
    --repeat after-timeout:3"
if [ "$(id -u)" -eq 0 ] && command -v unshare >/dev/null; then
    # The server must run where the small file system is seen: in the namespace.
    wineserver --kill 2>/dev/null || true  # none may be left running: nothing to stop then
    wineserver --wait
    small="$PWD/$build/small-drive"
    mkdir -p "$small"
    ln -sfn "$small" "$WINEPREFIX/dosdevices/t:"
    unshare --mount --propagation private bash -c '
        mount -t tmpfs -o size=256k thalmuro-small "$1"
        wineserver --persistent
        trap "wineserver --kill" EXIT
        THALMURO_SMALL_DRIVE=T: $2' _ "$small" "$run_tests"
else
    $run_tests
fi
