#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the tests of a normal build and the
# checks of the Debian package made from it, then the same tests under AddressSanitizer +
# UndefinedBehaviorSanitizer (clang) with each fuzz target running for a bounded time, then the
# engine's and the runner's tests built for Windows and run under Wine, and the desktop program
# for Windows: its window tests, a run on a virtual display, its installer and zip.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# The Debian package from the same build, checked and run unpacked.
tools/package.sh build
tools/check-package.sh build/thalmuro_*.deb

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DTHALMURO_SANITIZE=ON -DTHALMURO_FUZZ=ON -DTHALMURO_BENCH=OFF
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

tools/test-windows.sh
tools/test-windows-desktop.sh
