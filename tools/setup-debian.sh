#!/bin/sh
# Installs every Debian package that building, running, testing, fuzzing and
# packaging Quorbals needs. Safe to run again: only missing packages are
# fetched, and nothing is fetched when all are present.
set -eu

PACKAGES="
build-essential cmake pkg-config git
clang libclang-rt-14-dev clang-format
qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6opengl6-dev
qt6-qpa-plugins qt6-l10n-tools
gstreamer1.0-plugins-base gstreamer1.0-plugins-good
libgtest-dev libgmock-dev libbenchmark-dev
libchm-dev fp-utils
python3
xvfb openbox xdotool x11-utils imagemagick fonts-liberation
appstream desktop-file-utils dpkg-dev file strace
"

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
