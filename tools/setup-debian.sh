#!/bin/sh
# Installs the Debian packages that Quorbals needs, by set:
#   tools/setup-debian.sh play   building and running the game, nothing more
#   tools/setup-debian.sh test   everything: also the tests, benchmarks, fuzzing,
#                                packaging, the Windows cross-build under Wine
#                                and the web build under node
# The default is "test". Safe to run again: only missing packages are
# fetched, and nothing is fetched when all are present.
set -eu

set_name=${1:-test}

PLAY_PACKAGES="
build-essential cmake pkg-config
qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6opengl6-dev
qt6-qpa-plugins
gstreamer1.0-plugins-base gstreamer1.0-plugins-good
libchm-dev libxcb1-dev
fonts-liberation
"

TEST_PACKAGES="
git clang libclang-rt-14-dev clang-format
qt6-l10n-tools
libgtest-dev libgmock-dev googletest libbenchmark-dev
fp-utils python3
xvfb openbox xdotool x11-utils xclip imagemagick
at-spi2-core python3-pyatspi dbus-daemon orca
pulseaudio pulseaudio-utils
appstream desktop-file-utils dpkg-dev file strace lintian man-db groff-base
g++-mingw-w64-x86-64-posix wine64 nsis
emscripten nodejs
chromium chromium-driver python3-selenium
webkit2gtk-driver firefox-esr python3-websocket
"

case "$set_name" in
    play) PACKAGES=$PLAY_PACKAGES ;;
    test) PACKAGES="$PLAY_PACKAGES $TEST_PACKAGES" ;;
    *)
        echo "usage: setup-debian.sh [play|test]" >&2
        exit 2
        ;;
esac

# npm, for the Lighthouse that the browser game's audit test installs:
# Debian ships it apart from nodejs, while a nodejs of its own kind (such
# as NodeSource's) brings its npm along and conflicts with Debian's.
if [ "$set_name" = test ] && ! command -v npm >/dev/null; then
    PACKAGES="$PACKAGES npm"
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi

echo "Installing:$missing" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
