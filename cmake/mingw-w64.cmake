# Cross-compiling for 64-bit Windows on Debian with MinGW-w64 (g++-mingw-w64-x86-64), the
# posix-threads variant for std::thread. Programs are linked statically (libgcc, libstdc++,
# winpthread) so that an .exe runs without DLLs beside it; tests run under Wine.
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#       -DTHALMURO_ENGINE_ONLY=ON
#
# The desktop program links the Qt DLLs of tools/build-qt-windows.sh:
#
#   cmake -S . -B build-windows-desktop -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#       -DTHALMURO_WINDOWS_DESKTOP=ON -DCMAKE_PREFIX_PATH="$(tools/build-qt-windows.sh)"
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries built for Windows are looked for in MinGW-w64's folder and in the prefixes given,
# such as the Qt install: the build machine's own are never taken.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test programs and discovery run under Wine.
find_program(THALMURO_WINE NAMES wine wine64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${THALMURO_WINE})
