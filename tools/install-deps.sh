#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need (Debian 12).
set -euo pipefail

packages=(
    cmake make g++                                    # the build (CMake writes Makefiles)
    clang libclang-rt-14-dev clang-format             # sanitizers, libFuzzer, formatting
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev     # Qt 6 widgets, charts and printing
    qt6-svg-dev                                       # charts saved as SVG
    qt6-tools-dev qt6-l10n-tools                      # lupdate, lrelease: the English translation
    nlohmann-json3-dev                                # problem files, read and written by the engine
    libgtest-dev libbenchmark-dev                     # tests and benchmarks
    fonts-dejavu-core fonts-dejavu-extra              # Greek-capable fonts, condensed for captions
    xvfb xauth xdotool imagemagick                    # windows under a virtual display
    python3-pyatspi at-spi2-core dbus dbus-x11        # the windows read over AT-SPI (screen reader)
    locales                                           # Greek and German C locales for the tests
    dpkg-dev lintian                                  # the Debian package: shlibdeps, checks
    desktop-file-utils appstream                      # checks of the desktop entry and metadata
    g++-mingw-w64-x86-64 wine wine64                  # the Windows build, its tests under Wine
    ninja-build                                       # Qt cross-built for Windows
    nsis                                              # the Windows installer
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

# Runs a command as root: directly when root, through sudo otherwise (sudo drops the caller's
# environment, hence env for apt-get's settings).
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "$0: sudo is not installed; run this script as root once." >&2
        exit 1
    fi
}

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The engine must give the same numbers whatever the process locale: the tests switch to a
# Greek locale (decimal comma) to show it. The runner's tests also read a format from the
# system's locale data (German).
for name in el_GR de_DE; do
    if ! locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8\$"; then
        as_root localedef -i "$name" -f UTF-8 "$name.UTF-8"
    fi
done
