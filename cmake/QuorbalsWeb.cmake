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

# A JavaScript library of named functions the C++ of `target` calls
# (--js-library): a call it lacks fails when the program links. Every
# program that links `target` takes it.
function(quorbals_js_library target file)
    set(path ${CMAKE_CURRENT_SOURCE_DIR}/${file})
    target_link_options(${target} INTERFACE "SHELL:--js-library ${path}")
    set_property(TARGET ${target} APPEND PROPERTY INTERFACE_LINK_DEPENDS ${path})
endfunction()
