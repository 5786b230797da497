# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix thread model, which Qt needs).
# Used to build the cross Qt and, through Qt's own qt.toolchain.cmake, Barvoznak itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(BARVOZNAK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BARVOZNAK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BARVOZNAK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${BARVOZNAK_MINGW_TRIPLET}-windres)

# Libraries and headers only from the MinGW sysroot (and what is appended to the root path), programs from
# the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${BARVOZNAK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
