# Run by `cmake --install`: fills in quorbals.6.in for the prefix being
# installed to and installs it as share/man/man6/quorbals.6.gz. gzip -n keeps
# no name or time in the file, so the same release installs the same bytes.
#
# Set by the install rule: QUORBALS_MANUAL_SOURCE, QUORBALS_PROGRAM_DIR,
# QUORBALS_VERSION, QUORBALS_RELEASE_DAY.

set(man6 "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/man/man6")
set(QUORBALS_PROGRAM_FOLDER "${CMAKE_INSTALL_PREFIX}/${QUORBALS_PROGRAM_DIR}")
foreach(name QUORBALS_PROGRAM_DIR QUORBALS_VERSION QUORBALS_RELEASE_DAY)
    if(NOT ${name})
        message(FATAL_ERROR "The manual page needs ${name}")
    endif()
endforeach()
file(READ "${QUORBALS_MANUAL_SOURCE}" page)
string(CONFIGURE "${page}" page @ONLY)

message(STATUS "Installing: ${man6}/quorbals.6.gz")
file(MAKE_DIRECTORY "${man6}")
file(WRITE "${man6}/quorbals.6" "${page}")
execute_process(COMMAND gzip -9nf "${man6}/quorbals.6" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "gzip failed on ${man6}/quorbals.6")
endif()
file(CHMOD "${man6}/quorbals.6.gz" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_PREFIX}/share/man/man6/quorbals.6.gz")
