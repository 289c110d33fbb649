#!/bin/sh
# Installs what is missing, builds the game and starts it.
set -eu
cd "$(dirname "$0")/.."
./tools/setup-debian.sh
cmake -S . -B build -DQUORBALS_WERROR=ON >/dev/null
cmake --build build -j2
exec ./build/quorbals
