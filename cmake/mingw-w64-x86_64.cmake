# Cross-compiling for 64-bit Windows with Debian's MinGW-w64. The POSIX thread
# model is named explicitly: installing the win32 flavour makes the plain
# x86_64-w64-mingw32-g++ point at it, and GCC 12's win32 model has no
# std::thread, which the program and the Qt it links against both need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_triple x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${_triple}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${_triple}-g++-posix REQUIRED)
find_program(CMAKE_AR NAMES ${_triple}-gcc-ar-posix ${_triple}-ar REQUIRED)
find_program(CMAKE_RANLIB NAMES ${_triple}-gcc-ranlib-posix ${_triple}-ranlib REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${_triple}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
