#!/bin/sh
# Installs what is missing, builds everything and runs every test: the whole
# suite on the normal build, the unit and offscreen GUI tests again on a
# build with AddressSanitizer and UndefinedBehaviorSanitizer, and the shared
# code's tests of the Windows build under Wine.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
./tools/setup-debian.sh test

cmake -S . -B build -DQUORBALS_WERROR=ON -DQUORBALS_BUILD_TESTS=ON -DQUORBALS_BUILD_BENCH=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORBALS_SANITIZE=ON -DQUORBALS_WERROR=ON \
    -DQUORBALS_BUILD_BENCH=OFF -DQUORBALS_BUILD_E2E=OFF
cmake --build build-asan -j2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1 \
LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j2 -LE 'e2e|install'

cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DQUORBALS_WERROR=ON
cmake --build build-win -j2
ctest --test-dir build-win --output-on-failure -j2
