# Cross-building for 64-bit Windows with Debian's mingw-w64 (the POSIX
# threading flavour):
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# The programs link the compiler's runtime statically, so they need no DLL
# beside them, and the tests run under Wine in a prefix of the build tree.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUORBALS_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORBALS_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORBALS_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORBALS_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORBALS_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Every test program runs through Wine: tools/wine-run.sh PREFIX PROGRAM ARGS.
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh;${CMAKE_BINARY_DIR}/wine-prefix")
