# Building the shared code for the browser with Debian's emscripten:
#   cmake -S . -B build-web -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake
# (tools/make_web.sh does this). emcc and em++ run through the wrappers in
# tools/web/, which give them the environment they need whoever starts the
# build; the test programs run under node through tools/web/node-run.sh.
get_filename_component(QUORBALS_WEB_TOOLS ${CMAKE_CURRENT_LIST_DIR}/../tools/web ABSOLUTE)
set(CMAKE_C_COMPILER ${QUORBALS_WEB_TOOLS}/emcc)
set(CMAKE_CXX_COMPILER ${QUORBALS_WEB_TOOLS}/em++)
# Set before the platform file, which would otherwise take plain node.
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORBALS_WEB_TOOLS}/node-run.sh)

set(QUORBALS_EMSCRIPTEN_ROOT /usr/share/emscripten CACHE PATH "The emscripten installation")
include(${QUORBALS_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)

# The game throws FileError and catches it. Emscripten's JavaScript-based
# exceptions, not WebAssembly's own: the page suspends the C++ while a box
# waits for the player (Asyncify), and emscripten 3.1.6's Asyncify cannot
# transform code with WebAssembly exception instructions (its pass aborts).
# WebAssembly's exceptions made a seventh less code for the simulator, but
# the tests must run the code as the page does.
# GoogleTest is built with the same flags, so that its checks of thrown
# exceptions see the game's; CMake passes them on to every link as well.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")

# Every system library that this links (libc, dlmalloc, compiler_rt,
# libc++ and libc++abi with exceptions) comes prebuilt in Debian's cache, which emcc uses
# frozen: nothing is compiled or written there, nor in the user's home.
# Should a later flag need a library the cache lacks, the link stops with
# "FROZEN_CACHE is set, but cache file is missing"; the way out is a cache in
# the build tree, EM_CACHE=<build>/emscripten-cache with EM_FROZEN_CACHE=0 in
# tools/web/emscripten-env.sh, which the first build fills (minutes).
