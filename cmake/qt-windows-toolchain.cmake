# The toolchain Qt for Windows is built with (scripts/build-qt-windows.sh).
# Kept apart from the project's own toolchain file, as the cached Qt is keyed
# by this file's hash: it changes only when Qt has to be rebuilt. Packages are
# looked up only in the MinGW-w64 root, so the host's Linux libraries (zlib,
# freetype, ...) are never mistaken for Windows ones; the host Qt's tools
# come in through -qt-host-path instead.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER /usr/bin/x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/x86_64-w64-mingw32-g++-posix)
set(CMAKE_AR /usr/bin/x86_64-w64-mingw32-gcc-ar-posix)
set(CMAKE_RANLIB /usr/bin/x86_64-w64-mingw32-gcc-ranlib-posix)
set(CMAKE_RC_COMPILER /usr/bin/x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
