# The Debian package: `cpack -G DEB` in the build folder gives
# quorbals_<version>_<arch>.deb, installed under /usr with the layout of
# `cmake --install`: the game, its help library, help file and sounds in
# /usr/lib/quorbals, but /usr/games/quorbals linking to the game, as Debian
# keeps games (DebianStaging.cmake). tools/make_deb.sh builds it with Debian's
# hardening flags.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorbals)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vintra Games")
set(CPACK_PACKAGE_CONTACT "Quorbals developers <packages@quorbals.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quorbals.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game of coloured balls on a 9 by 9 board")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorbals is a puzzle game for one player. Balls of six colours lie on a
board of 9 by 9 cells. Move a ball along a free route to any cell it can
reach; five or more balls of one colour in a row, a column or a diagonal
vanish and score. Every move that makes no line brings three new balls,
and the game is over when the board is full.

The game shows routes as arrows before a move, previews the next three
colours, keeps a table of the ten best scores, saves and loads games, and
comes with its own help.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CPACK_PACKAGE_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Library dependencies come from dpkg-shlibdeps, which DebianStaging.cmake
# runs itself: CPack's run would add maintainer scripts calling ldconfig for
# the help library, which is private to the game. Should anything link to it
# one day, dpkg-shlibdeps looks for it beside the game.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_QUORBALS_PROGRAM_DIR "${QUORBALS_PROGRAM_DIR}")
set(CPACK_QUORBALS_STRIP "${CMAKE_STRIP}")
set(CPACK_QUORBALS_LINTIAN_OVERRIDES "${CMAKE_CURRENT_LIST_DIR}/quorbals.lintian-overrides")

# Qt loads its platform plugin (xcb: the game asks for it) and its multimedia
# backends at run time, so dpkg-shlibdeps cannot see them. On Debian 12 they
# come with libqt6gui6 and libqt6multimedia6, which the game links to anyway;
# where they are packaged apart, the packages that hold them are added here.
function(quorbals_owning_package file out)
    set(${out} "" PARENT_SCOPE)
    find_program(QUORBALS_DPKG_QUERY dpkg-query)
    if(NOT QUORBALS_DPKG_QUERY OR NOT EXISTS "${file}")
        return()
    endif()
    execute_process(COMMAND ${QUORBALS_DPKG_QUERY} -S "${file}"
        OUTPUT_VARIABLE owner ERROR_QUIET RESULT_VARIABLE failed)
    # "libqt6gui6:amd64: /usr/lib/..." or "a, b: /path" for shared paths.
    if(NOT failed AND owner MATCHES "^([^:, ]+)")
        set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    endif()
endfunction()

function(quorbals_plugin_depends out)
    set(depends)
    set(plugins "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
    # The platform plugin, against the package that holds Qt's GUI library.
    get_target_property(gui_library Qt6::Gui LOCATION)
    quorbals_owning_package("${gui_library}" gui_package)
    quorbals_owning_package("${plugins}/platforms/libqxcb.so" xcb_package)
    if(xcb_package AND NOT xcb_package STREQUAL gui_package)
        list(APPEND depends ${xcb_package})
    endif()
    # Any one multimedia backend will do: alternatives, unless one of them
    # comes with the multimedia library itself.
    get_target_property(multimedia_library Qt6::Multimedia LOCATION)
    quorbals_owning_package("${multimedia_library}" multimedia_package)
    file(GLOB backends "${plugins}/multimedia/*.so")
    set(backend_packages)
    foreach(backend ${backends})
        quorbals_owning_package("${backend}" package)
        if(package)
            list(APPEND backend_packages ${package})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES backend_packages)
    if(backend_packages AND NOT multimedia_package IN_LIST backend_packages)
        list(JOIN backend_packages " | " alternatives)
        list(APPEND depends "${alternatives}")
    endif()
    list(JOIN depends ", " depends)
    set(${out} "${depends}" PARENT_SCOPE)
endfunction()

# Files the game opens by name at run time: the score label's font, Arial's
# metric twin Liberation Sans.
set(QUORBALS_RUNTIME_DEPENDS "fonts-liberation")

quorbals_plugin_depends(QUORBALS_PLUGIN_DEPENDS)
if(QUORBALS_PLUGIN_DEPENDS)
    message(STATUS "Package depends on the Qt plugin packages: ${QUORBALS_PLUGIN_DEPENDS}")
    string(APPEND QUORBALS_RUNTIME_DEPENDS ", ${QUORBALS_PLUGIN_DEPENDS}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${QUORBALS_RUNTIME_DEPENDS}")

# Debian's own documents of the package, written into the staging folder only,
# so that a plain `cmake --install` stays as it is. The changelog's date is the
# release's date in the AppStream metadata (QUORBALS_RELEASE_DAY, read in
# assets/CMakeLists.txt).
execute_process(COMMAND date -u -R -d "${QUORBALS_RELEASE_DAY} 12:00:00"
    OUTPUT_VARIABLE QUORBALS_RELEASE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT QUORBALS_RELEASE_DATE)
    string(TIMESTAMP QUORBALS_RELEASE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
endif()
set(QUORBALS_LICENCE_FILE)
foreach(name LICENSE LICENCE COPYING LICENSE.txt COPYING.txt)
    if(EXISTS ${PROJECT_SOURCE_DIR}/${name})
        set(QUORBALS_LICENCE_FILE ${PROJECT_SOURCE_DIR}/${name})
        break()
    endif()
endforeach()
set(QUORBALS_PACKAGE_DOCS_SCRIPT ${CMAKE_BINARY_DIR}/QuorbalsPackageDocs.cmake)
file(CONFIGURE OUTPUT ${QUORBALS_PACKAGE_DOCS_SCRIPT} @ONLY CONTENT [=[
# Run by cpack in the staging folder, before the package is made: the
# package's changelog and, when the project has a licence file, its copyright.

set(doc_dir "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/@CPACK_PACKAGE_NAME@")
if(NOT EXISTS "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/@QUORBALS_PROGRAM_DIR@")
    # Another staging layout than the one this script knows: leave it alone.
    message(WARNING "Package documents: no staged program folder under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
    return()
endif()
file(MAKE_DIRECTORY "${doc_dir}")

# The version has no Debian revision, so the changelog is the native one.
set(changelog "${doc_dir}/changelog")
file(WRITE "${changelog}" "@CPACK_PACKAGE_NAME@ (@PROJECT_VERSION@) stable; urgency=medium

  * Release @PROJECT_VERSION@.

 -- @CPACK_DEBIAN_PACKAGE_MAINTAINER@  @QUORBALS_RELEASE_DATE@
")
# -n: no name or time stamp inside, so the same release packs the same bytes.
execute_process(COMMAND gzip -9nf "${changelog}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "Package documents: gzip failed on ${changelog}")
endif()
file(CHMOD "${changelog}.gz" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

set(licence "@QUORBALS_LICENCE_FILE@")
if(licence)
    file(COPY_FILE "${licence}" "${doc_dir}/copyright")
    file(CHMOD "${doc_dir}/copyright" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
else()
    message(WARNING "Package documents: the project has no licence file (LICENSE, LICENCE or "
                    "COPYING); the package goes without /usr/share/doc/@CPACK_PACKAGE_NAME@/copyright")
endif()
]=])
set(CPACK_PRE_BUILD_SCRIPTS ${QUORBALS_PACKAGE_DOCS_SCRIPT} ${CMAKE_CURRENT_LIST_DIR}/DebianStaging.cmake)

include(CPack)
