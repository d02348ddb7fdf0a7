#!/usr/bin/env bash
# Cross-builds the Qt 6.4.2 libraries the desktop program needs for 64-bit Windows (MinGW-w64,
# posix threads) from Debian's sources, as shared DLLs (the program stays LGPL-compliant: users
# can replace Qt's DLLs), and prints the folder they are installed in.
#
#   tools/build-qt-windows.sh [--sources DIR] [--jobs N] [--keep-build]
#
# The install goes to ${THALMURO_CACHE:-$HOME/.cache/thalmuro}/qt-6.4.2-mingw-HASH, where HASH
# is taken from this script and its patches: a changed script builds afresh, an unchanged one
# finds its install and only prints the folder. Only the folder goes to standard output, the
# build's messages go to standard error:  qt=$(tools/build-qt-windows.sh)
#
# qtbase comes from `apt-get source qt6-base` through a deb-src entry of this script's own (the
# machine's apt lists stay as they are). qtsvg and qtcharts come from the tarballs of the
# --sources folder (default ../shared/qt-sources beside the repository, when present), checked
# against its SHA256SUMS, or else from `apt-get source qt6-svg qt6-charts`.
#
# qtbase, the hour of the build, is installed into a cache folder of its own,
# qtbase-6.4.2-mingw-KEY, where KEY is taken from what qtbase is built from (the version, the
# options, the patches and the toolchain): a script changed elsewhere rebuilds only qtsvg and
# qtcharts (a few minutes) and assembles the install afresh from the qtbase install it finds.
#
# The build folders (the names above with -build) stay in the cache folder until the install is
# complete, so a run that was stopped continues where it stopped, and are then deleted (kept
# with --keep-build); the installs stay. A qtbase build folder whose qtbase install is not in
# the cache yet, such as one kept by --keep-build, gives its install to the cache instead of
# being built again. The first run costs about an hour of CPU time (qtbase 55 minutes, qtsvg
# 1.5, qtcharts 5) and about 3 GB of disk while it builds.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
script="$repo/tools/build-qt-windows.sh"
patches=("$repo/tools/qt-windows/qtbase-direct2d-off.patch")
version=6.4.2
target=x86_64-w64-mingw32

sources_dir=""
[ -d "$repo/../shared/qt-sources" ] && sources_dir=$(cd "$repo/../shared/qt-sources" && pwd)
jobs=$(nproc)
keep_build=0
while [ $# -gt 0 ]; do
    case "$1" in
        --sources) sources_dir=$(cd "$2" && pwd); shift 2 ;;
        --jobs) jobs=$2; shift 2 ;;
        --keep-build) keep_build=1; shift ;;
        -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
        *) echo "$0: unknown option $1" >&2; exit 2 ;;
    esac
done

log() { echo "build-qt-windows: $*" >&2; }

cache_root=${THALMURO_CACHE:-$HOME/.cache/thalmuro}
hash=$(cat "$script" "${patches[@]}" | sha256sum | cut -c1-12)
prefix="$cache_root/qt-$version-mingw-$hash"
complete="$prefix/thalmuro-qt-complete"
if [ -f "$complete" ]; then
    echo "$prefix"
    exit 0
fi
log "building Qt $version for Windows, to be installed into $prefix"

# Runs a command as root: directly when root, through sudo otherwise.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
needed=()
for p in ninja-build cmake dpkg-dev g++-mingw-w64-x86-64-posix xz-utils patch; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || needed+=("$p")
done
if [ ${#needed[@]} -gt 0 ]; then
    log "installing ${needed[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${needed[@]}" >&2
fi

# The Debian mirror the machine uses (from its deb822 .sources files or its one-line lists),
# with a deb-src entry for bookworm in a folder of this script's own. A machine may have either
# kind of file or neither (a bare debootstrap root has sources.list alone): a missing one is no
# failure.
mirror=$( { cat /etc/apt/sources.list.d/*.sources 2>/dev/null || true; } | awk '
    /^URIs:/ { uri = $2 } /^Suites:/ { suites = $0 }
    /^$/ { if (uri ~ /\/debian\/?$/ && suites ~ /bookworm( |$)/) { print uri; exit } uri = ""; suites = "" }
    END { if (uri ~ /\/debian\/?$/ && suites ~ /bookworm( |$)/) print uri }' | head -n1)
if [ -z "$mirror" ]; then
    mirror=$( {
        grep -hE '^deb(-src)? ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
            2>/dev/null || true
    } | awk '$3 == "bookworm" && $2 ~ /\/debian\/?$/ { print $2; exit }')
fi
mirror=${mirror:-http://deb.debian.org/debian}
apt_dir="$cache_root/apt-bookworm-src"
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
cat >"$apt_dir/sources.list.d/qt-sources.sources" <<EOF
Types: deb-src
URIs: $mirror
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
apt_options=(
    -o Dir::Etc::sourcelist=/dev/null
    -o Dir::Etc::sourceparts="$apt_dir/sources.list.d"
    -o Dir::State::Lists="$apt_dir/lists"
    -o Dir::Cache="$apt_dir/cache"
    -o APT::Sandbox::User="$(id -un)"
)
apt_updated=0
apt_source() {
    if [ $apt_updated -eq 0 ]; then
        apt-get "${apt_options[@]}" update -qq >&2
        apt_updated=1
    fi
    apt-get "${apt_options[@]}" source -qq "$@" >&2
}

# Unpacks one Qt module into DIR/src: from the tarball of the sources folder when it is there
# (checked against its SHA256SUMS), else from its Debian source package.
fetch_module() {
    local module=$1 package=$2 dir=$3
    [ -f "$dir/src.done" ] && return
    rm -rf "$dir/src" "$dir/download"
    mkdir -p "$dir/download"
    local tarball="$module-everywhere-src-$version.tar.xz"
    if [ "$module" != qtbase ] && [ -n "$sources_dir" ] && [ -f "$sources_dir/$tarball" ]; then
        log "unpacking $tarball from $sources_dir"
        (cd "$sources_dir" && grep " $tarball\$" SHA256SUMS | sha256sum --check --strict >&2)
        tar -xJf "$sources_dir/$tarball" -C "$dir/download"
        echo "$tarball (sha256 $(sha256sum "$sources_dir/$tarball" | cut -d' ' -f1))" \
            >"$dir/origin"
    else
        log "fetching the Debian source package $package"
        (cd "$dir/download" && apt_source "$package")
        (cd "$dir/download" && ls ./*.dsc | sed 's|^\./||') >"$dir/origin"
    fi
    mv "$(find "$dir/download" -mindepth 1 -maxdepth 1 -type d)" "$dir/src"
    rm -rf "$dir/download"
    if [ "$module" = qtbase ]; then
        for p in "${patches[@]}"; do
            log "applying $(basename "$p")"
            patch -d "$dir/src" -p1 --forward --batch <"$p" >&2
        done
    fi
    touch "$dir/src.done"
}

# The cross toolchain: posix-thread MinGW-w64; the modules after qtbase find Qt in the install.
# The file is rewritten only when it changes, so that a build that continues does not configure
# again.
write_toolchain() {
    toolchain_text "$2" | cmp -s - "$1" 2>/dev/null || toolchain_text "$2" >"$1"
}
toolchain_text() {
    cat <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $target-gcc-posix)
set(CMAKE_CXX_COMPILER $target-g++-posix)
set(CMAKE_RC_COMPILER $target-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$target $1)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
}

common_options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    # Debian's own Qt 6.4.2 provides moc, rcc, uic and the other build-time tools.
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_BENCHMARKS=OFF
)
# Core, Gui, Widgets, PrintSupport and Test (the window tests); the windows and offscreen
# platforms; BMP and PNG images, which Gui reads and writes itself. The third-party libraries
# Qt bundles are built in: nothing is taken from the build machine.
qtbase_options=(
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DINPUT_opengl=no
    -DFEATURE_opengl=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_glib=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_pkg_config=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_ico=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_freetype=ON
    -DFEATURE_testlib=ON
    -DFEATURE_printsupport=ON
    # Debian's repacked sources leave out the Wintab headers tablet input needs.
    -DFEATURE_tabletevent=OFF
    # MinGW-w64's headers lack what Qt's Direct2D code needs; the patch keeps the DirectWrite
    # font code that is built only with Direct2D out of the windows platform and print support.
    -DFEATURE_direct2d=OFF
)

# The CPU seconds (user and system) of the script's finished child processes in FILE, the output
# of the shell's `times` (which must run in the script's own shell, not in a subshell).
cpu_seconds() {
    tail -n1 "$1" | awk '{ split($1, u, /[ms]/); split($2, s, /[ms]/)
                            printf "%d\n", u[1] * 60 + u[2] + s[1] * 60 + s[2] }'
}

# Configures (once: the build continues in an existing folder), builds and installs a module
# into DIR/install, with its licence texts. DIR/build-times keeps the wall and CPU seconds of
# every run that built in it to the end or to a failure (not of one that was killed).
build_module() {
    local name=$1 dir=$2
    shift 2
    if [ ! -f "$dir/build/build.ninja" ]; then
        log "configuring $name"
        rm -rf "$dir/build"
        cmake -S "$dir/src" -B "$dir/build" "${common_options[@]}" \
            -DCMAKE_INSTALL_PREFIX="$dir/install" "$@" >&2
    fi
    log "building $name with $jobs jobs"
    local start=$SECONDS cpu status=0
    times >"$dir/times"
    cpu=$(cpu_seconds "$dir/times")
    cmake --build "$dir/build" --parallel "$jobs" >&2 || status=$?
    times >"$dir/times"
    echo "$((SECONDS - start)) $(($(cpu_seconds "$dir/times") - cpu))" >>"$dir/build-times"
    [ $status -eq 0 ] || exit $status
    log "$name built: $(awk '{ wall += $1; cpu += $2 } END {
        printf "%d s wall, %d s CPU in %d runs", wall, cpu, NR }' "$dir/build-times")"
    cmake --install "$dir/build" >/dev/null
    local licenses="$dir/install/licenses/$name"
    mkdir -p "$licenses"
    cp "$dir/origin" "$licenses/SOURCE"
    find "$dir/src" -maxdepth 1 -type f -name 'LICENSE*' -exec cp {} "$licenses/" \;
    if [ -d "$dir/src/LICENSES" ]; then cp -r "$dir/src/LICENSES" "$licenses/"; fi
    if [ -f "$dir/src/debian/copyright" ]; then cp "$dir/src/debian/copyright" "$licenses/"; fi
}

# qtbase's install and build folders are named after what qtbase is built from, so that a change
# of the script elsewhere reuses them; Qt's install is relocatable and is copied.
qtbase_key=$(printf '%s\n' "$version" "${common_options[@]}" "${qtbase_options[@]}" \
    "$(cat "${patches[@]}")" "$(toolchain_text "")" | sha256sum | cut -c1-12)
qtbase="$cache_root/qtbase-$version-mingw-$qtbase_key"
qtbase_complete="$qtbase/thalmuro-qtbase-complete"
base="$qtbase-build"
work="$cache_root/qt-$version-mingw-$hash-build"

if [ -f "$qtbase_complete" ]; then
    log "qtbase from $qtbase"
else
    mkdir -p "$base"
    write_toolchain "$base/toolchain.cmake" ""
    fetch_module qtbase qt6-base "$base"
    build_module qtbase "$base" -DCMAKE_TOOLCHAIN_FILE="$base/toolchain.cmake" "${qtbase_options[@]}"
    rm -rf "$qtbase"
    mv "$base/install" "$qtbase"
    touch "$qtbase_complete"
fi

mkdir -p "$work"
write_toolchain "$work/toolchain.cmake" "$prefix"
fetch_module qtsvg qt6-svg "$work/qtsvg"
fetch_module qtcharts qt6-charts "$work/qtcharts"
rm -rf "$prefix"
cp -a "$qtbase" "$prefix"
rm "$prefix/$(basename "$qtbase_complete")"
for module in qtsvg qtcharts; do
    build_module $module "$work/$module" -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
        -DCMAKE_PREFIX_PATH="$prefix"
    cp -a "$work/$module/install/." "$prefix/"
done

# The MinGW-w64 runtime beside Qt's DLLs: the C++ library, the unwinder and the threads.
for dll in libstdc++-6.dll libgcc_s_seh-1.dll; do
    cp "$($target-g++-posix -print-file-name=$dll)" "$prefix/bin/"
done
cp "/usr/$target/lib/libwinpthread-1.dll" "$prefix/bin/"

touch "$complete"
if [ $keep_build -eq 0 ]; then rm -rf "$base" "$work" "$apt_dir"; fi
log "done: $(du -sh "$prefix" | cut -f1) in $prefix"
echo "$prefix"
