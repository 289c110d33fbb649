#!/bin/sh
# Builds the game's shared code for the browser with Debian's emscripten into
# build-web/: the rules, the route search, the view logic, the file formats
# and the shared commands, the simulator and their tests, which run under
# node (`ctest --test-dir build-web`).
#
#   tools/make_web.sh
set -eu
cd "$(dirname "$0")/.."
build=$(pwd)/build-web

for tool in em++ node cmake; do
    command -v "$tool" >/dev/null ||
        { echo "make_web.sh: $tool is missing (tools/setup-debian.sh test installs it)" >&2; exit 1; }
done

# Release: the .wasm goes without debugging sections, which would be most
# of its size.
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake \
    -DCMAKE_BUILD_TYPE=Release -DQUORBALS_WERROR=ON
cmake --build "$build" -j2

# The site: once the web front end exists, its page, script, .wasm and
# assets are laid out here into build-web/site/, ready to be served as
# static files.
