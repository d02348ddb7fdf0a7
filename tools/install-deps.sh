#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need (Debian 12).
set -euo pipefail

packages=(
    cmake make g++ clang libclang-rt-14-dev clang-format   # build tools, compilers, sanitizers, libFuzzer
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev     # Qt 6 widgets and charts
    nlohmann-json3-dev                                # problem files of the runner
    libgtest-dev libbenchmark-dev                     # tests and benchmarks
    fonts-dejavu-core fonts-dejavu-extra              # Greek-capable fonts, condensed for captions
    xvfb xauth xdotool imagemagick                    # windows under a virtual display
    locales                                           # a Greek C locale for the locale tests
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The engine must give the same numbers whatever the process locale: the tests switch to a
# Greek locale (decimal comma) to show it.
if ! locale -a 2>/dev/null | grep -qi '^el_GR\.utf-\?8$'; then
    $sudo localedef -i el_GR -f UTF-8 el_GR.UTF-8
fi
