#!/usr/bin/env bash
# Builds the Debian package of both programs, thalmuro_VERSION_ARCH.deb, in the build folder.
#
#   tools/package.sh [BUILD_DIR]
#
# A new BUILD_DIR (by default build-package) is configured as a Release build without the tests
# and the benchmarks. An existing one keeps its settings and only what is missing is built:
# tools/test.sh packages its own build this way. The package installs under /usr whatever
# CMAKE_INSTALL_PREFIX the build has; its binaries are stripped.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

build=${1:-build-package}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTHALMURO_BENCH=OFF
fi
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/thalmuro_*.deb
(cd "$build" && cpack -G DEB)
ls "$build"/thalmuro_*.deb
