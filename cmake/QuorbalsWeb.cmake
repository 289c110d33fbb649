# The web build (QUORBALS_WEB, with cmake/emscripten.cmake): what its
# programs share beyond the toolchain's flags.

# emcmake alone, or Emscripten's own toolchain file, would build without
# exceptions (a throw would abort) and run emcc without the environment
# that Debian's needs.
if(NOT QUORBALS_WEB_TOOLS)
    message(FATAL_ERROR "Build for the web with -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake")
endif()

# The test programs and the simulator run under node, not in a page: they
# see the real file system through node (their temporary folders, the golden
# files), return from main to end the process with its status once what
# they printed is flushed, and take memory as they need it.
set(QUORBALS_NODE_LINK_OPTIONS
    -sENVIRONMENT=node
    -sNODERAWFS=1
    -sEXIT_RUNTIME=1
    -sALLOW_MEMORY_GROWTH=1
)
