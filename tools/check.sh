#!/bin/sh
# Installs what is missing, builds everything and runs every test:
#  - the Linux game with all its tests, end-to-end ones included, which also
#    drive the Windows game under Wine, and its Debian package, which lintian
#    and the install checks try;
#  - the Windows game, its zip and installer, and its tests under Wine;
#  - the shared code built for the browser with emscripten, and its tests
#    under node; the browser game itself is played end to end in headless
#    Chromium by the Linux build's tests (label "web");
#  - the shared code's tests again with AddressSanitizer and
#    UndefinedBehaviorSanitizer.
#
# The tests run with HOME at an empty folder of this script's, the XDG
# folders unset, and that folder must still be empty after each test run:
# every test keeps to folders of its own (tools/test-env.sh sets them up),
# so anything found there is a test that would have written into the home
# of whoever ran it.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
. ./tools/test-env.sh
./tools/setup-debian.sh test

watched_home=$(mktemp -d "${TMPDIR:-/tmp}/quorbals-watched-home.XXXXXX")
trap 'rm -rf "$watched_home"' EXIT
in_watched_home() {
    status=0
    HOME=$watched_home env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME \
        -u XDG_STATE_HOME -u XDG_RUNTIME_DIR "$@" || status=$?
    quorbals_home_still_empty "$watched_home" || status=1
    return $status
}

# The Linux game with every test, built as its Debian package is (with
# Debian's hardening flags), and the package: the install tests check it.
./tools/make_deb.sh -DQUORBALS_WERROR=ON -DQUORBALS_BUILD_TESTS=ON -DQUORBALS_BUILD_BENCH=ON

# The Windows game and its packages first: the end-to-end tests of the
# Linux build run it too.
./tools/make_windows.sh
cmake --build build-win -j2
in_watched_home ctest --test-dir build-win --output-on-failure -j2

# The shared code built for the browser, its tests under node.
./tools/make_web.sh
in_watched_home ctest --test-dir build-web --output-on-failure -j2

in_watched_home ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORBALS_SANITIZE=ON -DQUORBALS_WERROR=ON \
    -DQUORBALS_QT=OFF -DQUORBALS_BUILD_BENCH=OFF -DQUORBALS_BUILD_E2E=OFF
cmake --build build-asan -j2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
in_watched_home ctest --test-dir build-asan --output-on-failure -j2 -LE 'e2e|install'
