#!/bin/sh
# Installs what building and running the game needs, builds the game and
# what it ships (help library, help file, sounds) in build-play/, and starts
# it. No tests or benchmarks are built, and warnings stay warnings, so that
# a newer compiler still gives a game.
set -eu
cd "$(dirname "$0")/.."
./tools/setup-debian.sh play
cmake -S . -B build-play -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORBALS_WERROR=OFF \
    -DQUORBALS_BUILD_TESTS=OFF -DQUORBALS_BUILD_BENCH=OFF -DQUORBALS_BUILD_E2E=OFF >/dev/null
cmake --build build-play -j2 --target quorbals
exec ./build-play/quorbals
