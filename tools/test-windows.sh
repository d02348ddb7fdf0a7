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
# One Wine server for the whole run, kept running between programs, and Wine's own services
# (services.exe and those it starts) started once with their output going nowhere. Started by a
# test program instead, they would inherit its output and hold it open after the program ended,
# and CMake's listing of the tests or CTest would wait for them.
start_wine() {
    wineserver --persistent
    [ -f "$WINEPREFIX/system.reg" ] || wineboot --init </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
}
export -f start_wine
wineserver --kill 2>/dev/null || true  # one may be left from an earlier run: nothing to stop then
wineserver --wait
start_wine
trap 'wineserver --kill 2>/dev/null || true' EXIT
# The build lists the tests by running each test program under Wine.
cmake --build "$build" -j"$jobs"

# Every test with English regional settings, then the runner's again with the Greek ones: Wine
# takes the user's settings from LC_ALL, and THALMURO_USER_DECIMAL tells the tests what they
# must then be. A test that hangs fails at a minute instead of holding up the run.
run_tests() {
    local ctest=(ctest --test-dir "$build" --output-on-failure -j"$jobs" --timeout 60)
    LC_ALL=C.UTF-8 THALMURO_USER_DECIMAL=. "${ctest[@]}" &&
        LC_ALL=el_GR.UTF-8 THALMURO_USER_DECIMAL=, "${ctest[@]}" -R CliOnWindows
}
export -f run_tests
export build jobs
# A private mount namespace needs a root folder that is a mount of its own, which a chroot's
# may not be: without one the full-disk tests are skipped, as on Linux.
if [ "$(id -u)" -eq 0 ] && unshare --mount --propagation private true 2>/dev/null; then
    # The server must run where the small file system is seen: in the namespace.
    wineserver --kill 2>/dev/null || true
    wineserver --wait
    small="$PWD/$build/small-drive"
    mkdir -p "$small"
    ln -sfn "$small" "$WINEPREFIX/dosdevices/t:"
    unshare --mount --propagation private bash -c '
        mount -t tmpfs -o size=256k thalmuro-small "$1"
        start_wine
        trap "wineserver --kill" EXIT
        export THALMURO_SMALL_DRIVE=T:
        run_tests' _ "$small"
else
    run_tests
fi
