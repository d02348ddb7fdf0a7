#!/usr/bin/env bash
# Makes the Windows installer and zip of the desktop program from a THALMURO_WINDOWS_DESKTOP
# build and the Qt it was built against:
#
#   tools/package-windows.sh BUILD QT_PREFIX
#
# writes into BUILD/package:
#   thalmuro-VERSION/                    the program's folder as installed: thalmuro.exe,
#                                        thalmuro-cli.exe, the DLLs they load, qt.conf, licences
#   thalmuro-VERSION-setup.exe           the NSIS installer of that folder
#   thalmuro-VERSION-windows-x64.zip     the same folder, for users without install rights
#
# The DLLs are found from the import tables of the programs and of Qt's plugins the program
# loads, followed through every DLL taken: each name is looked up in Qt's bin folder (which also
# holds the MinGW-w64 runtime) and else in the system folder of the Wine prefix (WINEPREFIX),
# whose DLLs Windows itself provides, as it provides the API sets (api-ms-win-*). A DLL found in
# neither stops the packaging. VERSION is the
# project's version from the build's CMake cache.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD QT_PREFIX" >&2
    exit 2
fi
repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
qt=$(cd "$2" && pwd)
target=x86_64-w64-mingw32
system32="${WINEPREFIX:-$HOME/.wine}/drive_c/windows/system32"
if [ ! -d "$system32" ]; then
    echo "$0: no Wine prefix with a system folder at $system32 (set WINEPREFIX)" >&2
    exit 1
fi

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
if [ -z "$version" ]; then
    echo "$0: $build/CMakeCache.txt names no project version" >&2
    exit 1
fi
out="$build/package"
name="thalmuro-$version"
stage="$out/$name"
rm -rf "$out"
mkdir -p "$stage"

# Copies FILE to the folder as DEST, without its debugging information (the installed program
# does not need it; Qt's and the runtime's DLLs are several times smaller without it).
take() {
    mkdir -p "$(dirname "$stage/$2")"
    "$target-strip" --strip-debug -o "$stage/$2" "$1"
}

# The Qt plugins the program loads at run time, which no import table names: the windows
# platform, and the style that draws the controls as Windows draws its own. Images are PNG and
# BMP, which Qt's Gui library reads itself, so no image-format plugin is needed.
plugins=(platforms/qwindows.dll styles/qwindowsvistastyle.dll)

take "$build/app/thalmuro.exe" thalmuro.exe
take "$build/app/thalmuro-cli.exe" thalmuro-cli.exe
for plugin in "${plugins[@]}"; do
    take "$qt/plugins/$plugin" "$plugin"
done

# The import table's DLL names of a program or DLL.
imports() {
    "$target-objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'
}
# The file of a DLL in FOLDER, whatever the case of its name (Windows names ignore case).
find_dll() {
    find "$1" -maxdepth 1 -iname "$2" -print -quit
}

pending=("$stage/thalmuro.exe" "$stage/thalmuro-cli.exe")
for plugin in "${plugins[@]}"; do pending+=("$stage/$plugin"); done
declare -A seen=()
missing=()
while [ ${#pending[@]} -gt 0 ]; do
    file=${pending[0]}
    pending=("${pending[@]:1}")
    while IFS= read -r dll; do
        key=${dll,,}
        [ -n "${seen[$key]:-}" ] && continue
        seen[$key]=1
        # API sets (api-ms-win-*, ext-ms-*) are names Windows's loader maps to its own DLLs.
        case $key in api-ms-win-* | ext-ms-*) continue ;; esac
        source=$(find_dll "$qt/bin" "$dll")
        if [ -n "$source" ]; then
            take "$source" "$(basename "$source")"
            pending+=("$stage/$(basename "$source")")
        elif [ -z "$(find_dll "$system32" "$dll")" ]; then
            missing+=("$dll (imported by $(basename "$file"))")
        fi
    done < <(imports "$file")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "$0: DLLs found neither with Qt nor in Windows:" >&2
    printf '  %s\n' "${missing[@]}" >&2
    exit 1
fi

# Qt looks for its plugins in the program's folder, not in a Qt install that may be elsewhere
# on the machine.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\n' >"$stage/qt.conf"

# The licences: the program's, the notice of the LGPL under which Qt's DLLs are used with Qt's
# own licence texts, and those of the MinGW-w64 runtime (GCC's runtime library exception,
# winpthreads).
cp "$repo/packaging/windows/LICENSE.txt" "$stage/LICENSE.txt"
mkdir -p "$stage/licenses/Qt" "$stage/licenses/MinGW-w64"
sed "s/@QT_VERSION@/6.4.2/" "$repo/packaging/windows/Qt-LGPL-NOTICE.txt" \
    >"$stage/licenses/Qt/NOTICE.txt"
cp -r "$qt/licenses/." "$stage/licenses/Qt/"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/MinGW-w64/gcc-copyright.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/MinGW-w64/mingw-w64-copyright.txt"

# The installer installs and its uninstaller removes exactly the files of the folder, so that
# uninstalling from a folder the user shares with other files leaves those alone.
(
    cd "$stage"
    find . -type d ! -name . | sed 's|^\./||' | sort | while IFS= read -r dir; do
        printf 'CreateDirectory "$INSTDIR\\%s"\n' "${dir//\//\\}"
    done
    find . -type f | sed 's|^\./||' | sort | while IFS= read -r file; do
        printf 'File "/oname=%s" "%s"\n' "${file//\//\\}" "$stage/$file"
    done
) >"$out/install-files.nsh"
(
    cd "$stage"
    find . -type f | sed 's|^\./||' | sort | while IFS= read -r file; do
        printf 'Delete "$INSTDIR\\%s"\n' "${file//\//\\}"
    done
    find . -type d ! -name . | sed 's|^\./||' | sort -r | while IFS= read -r dir; do
        printf 'RMDir "$INSTDIR\\%s"\n' "${dir//\//\\}"
    done
) >"$out/uninstall-files.nsh"

size_kb=$(du -sk "$stage" | cut -f1)
makensis -V2 -INPUTCHARSET UTF8 \
    -DVERSION="$version" \
    -DVERSION_QUAD="$(echo "$version.0.0.0" | cut -d. -f1-4)" \
    -DSIZE_KB="$size_kb" \
    -DICON="$build/app/thalmuro.ico" \
    -DLICENSE="$stage/LICENSE.txt" \
    -DFILES="$out/install-files.nsh" \
    -DUNFILES="$out/uninstall-files.nsh" \
    -DOUTFILE="$out/$name-setup.exe" \
    "$repo/packaging/windows/thalmuro.nsi" >&2

(cd "$out" && cmake -E tar cf "$name-windows-x64.zip" --format=zip "$name")
echo "$out/$name-setup.exe"
echo "$out/$name-windows-x64.zip"
