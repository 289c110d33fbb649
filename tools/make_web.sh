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

# The site, build-web/site/: the page and its scripts, the game's module,
# the sounds, the help pages (the sources of the help file), icons and
# ornaments, the web app manifest and the service worker, whose cache is
# named after a digest of everything else. Any static web server can host
# it; build-web/quorbals-<version>-web.zip holds the same files.
#
# The page's scripts keep the source tree's folders, so that each import
# names the file it names in the source tree; the module the game is built
# into lies in app/web/, where it is built from. The page itself, its
# manifest and the service worker (whose scope is the folder it lies in)
# stand at the top. The module's own JavaScript libraries (*_library.js)
# are linked into it, not served.
site=$build/site
rm -rf "$site"
mkdir -p "$site/help/images" "$site/icons" "$site/ornaments" "$site/app/web"
cp app/web/page/index.html app/web/page/manifest.webmanifest app/web/page/sw.js "$site/"
for folder in app/web/page view/web platform/web storage/web; do
    mkdir -p "$site/$folder"
    for file in "$folder"/*.js "$folder"/*.css; do
        case $file in
            */sw.js | *_library.js) ;;
            *) [ -e "$file" ] && cp "$file" "$site/$folder/" ;;
        esac
    done
done
cp "$build/quorbals.js" "$build/quorbals.wasm" "$site/app/web/"
cp assets/sounds/*.wav "$site/"
cp assets/help/*.htm assets/help/help.css "$site/help/"
cp assets/help/images/* "$site/help/images/"
for size in 16 32 32-16colour 192 256 512; do
    cp "assets/icons/quorbals-$size.png" "$site/icons/"
done
cp assets/ornaments/corner-*.png "$site/ornaments/"

version=$(sed -n 's/^project(Quorbals VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
/usr/bin/python3 tools/web/finish_site.py "$site" "$build/quorbals-$version-web.zip"
echo "made $site"
echo "made $build/quorbals-$version-web.zip"
