# Run by cpack in the staging folder, before the package is made: what makes
# the staged install a Debian package. A plain `cmake --install` stays as it
# is.
#  - The game's link moves from /usr/bin to /usr/games, where Debian keeps
#    games. An install elsewhere keeps it in bin/, which every system has on
#    its PATH; not every one has a games folder there.
#  - The desktop entry starts /usr/games/quorbals by its full path: not every
#    desktop session has /usr/games on its PATH either.
#  - The .comment and .note sections go from the ELF files, as dh_strip takes
#    them.
#  - dpkg-shlibdeps gives the library dependencies. CPack's own run of it
#    would also give the package maintainer scripts that call ldconfig, for
#    any library under /usr/lib; the help library is private to the game
#    (loaded by its full path, nothing links to it), so the cache needs no
#    update.
#  - Lintian's overrides for the tags that do not apply to this package.
#
# Set in Packaging.cmake: CPACK_QUORBALS_PROGRAM_DIR, CPACK_QUORBALS_STRIP,
# CPACK_QUORBALS_LINTIAN_OVERRIDES.

set(staging "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
set(usr "${staging}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(program_dir "${usr}/${CPACK_QUORBALS_PROGRAM_DIR}")
if(NOT EXISTS "${program_dir}/quorbals" OR NOT IS_SYMLINK "${usr}/bin/quorbals")
    message(FATAL_ERROR "Debian staging: no staged game and link under ${usr}")
endif()

# The link, with the same relative target: games/ lies beside bin/.
file(READ_SYMLINK "${usr}/bin/quorbals" target)
file(MAKE_DIRECTORY "${usr}/games")
file(CREATE_LINK "${target}" "${usr}/games/quorbals" SYMBOLIC)
file(REMOVE "${usr}/bin/quorbals")
file(GLOB left "${usr}/bin/*")
if(NOT left)
    file(REMOVE_RECURSE "${usr}/bin")
endif()
set(games_link "${CPACK_PACKAGING_INSTALL_PREFIX}/games/quorbals")

set(desktop "${usr}/share/applications/org.example.quorbals.desktop")
file(READ "${desktop}" entry)
string(REPLACE "\nExec=quorbals\n" "\nExec=${games_link}\n" started "${entry}")
if(started STREQUAL entry)
    message(FATAL_ERROR "Debian staging: ${desktop} has no line Exec=quorbals")
endif()
file(WRITE "${desktop}" "${started}")

# The staged ELF files (links aside), by their first four bytes.
set(elf_files)
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${staging}/*")
foreach(file IN LISTS staged)
    if(NOT IS_SYMLINK "${file}")
        file(READ "${file}" magic LIMIT 4 HEX)
        if(magic STREQUAL "7f454c46")
            list(APPEND elf_files "${file}")
        endif()
    endif()
endforeach()
if(NOT elf_files)
    message(FATAL_ERROR "Debian staging: no ELF files under ${staging}")
endif()

execute_process(
    COMMAND "${CPACK_QUORBALS_STRIP}" --remove-section=.comment --remove-section=.note ${elf_files}
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "Debian staging: strip failed")
endif()

# dpkg-shlibdeps wants a debian/control where it runs, and a DEBIAN folder
# above the binaries to know the package's root; neither goes into the
# package.
file(WRITE "${staging}/debian/control" "")
file(MAKE_DIRECTORY "${staging}/DEBIAN")
execute_process(
    COMMAND dpkg-shlibdeps "-l${program_dir}" -O ${elf_files}
    WORKING_DIRECTORY "${staging}"
    OUTPUT_VARIABLE shlibdeps
    RESULT_VARIABLE failed)
file(REMOVE_RECURSE "${staging}/debian" "${staging}/DEBIAN")
if(failed OR NOT shlibdeps MATCHES "shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "Debian staging: dpkg-shlibdeps gave no dependencies:\n${shlibdeps}")
endif()
# With the dependencies set in Packaging.cmake, in the order of names.
string(REPLACE ", " ";" depends "${CMAKE_MATCH_1}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
list(FILTER depends EXCLUDE REGEX "^ *$")
list(SORT depends)
list(JOIN depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
message(STATUS "Debian staging: the package depends on ${CPACK_DEBIAN_PACKAGE_DEPENDS}")

set(overrides "${usr}/share/lintian/overrides")
file(MAKE_DIRECTORY "${overrides}")
file(COPY_FILE "${CPACK_QUORBALS_LINTIAN_OVERRIDES}" "${overrides}/quorbals")
file(CHMOD "${overrides}/quorbals" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
