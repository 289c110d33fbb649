#!/bin/sh
# Installs what is missing, builds everything and runs every test.
set -eu
cd "$(dirname "$0")/.."
./tools/setup-debian.sh
cmake -S . -B build -DQUORBALS_WERROR=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
