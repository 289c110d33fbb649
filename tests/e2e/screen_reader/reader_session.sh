#!/bin/sh
# Runs a test of the game as a Linux screen reader reads it, through AT-SPI:
# the Python test script on a private D-Bus session, every folder the
# programs write to inside a temporary folder. The script starts its own X
# display, window manager and accessibility bus.
#
# Usage: reader_session.sh <test script> <game or site> [more arguments]
set -u
script=${1:?usage: reader_session.sh <test script> <game or site> [arguments]}
shift
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb openbox xdotool dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher \
    /usr/bin/python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (tools/setup-debian.sh installs it)"
        exit 77
    fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: python3-pyatspi is not installed (tools/setup-debian.sh installs it)"
    exit 77
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quorbals-reader.XXXXXX") || exit 1
trap 'rm -rf "$tmp"' EXIT
mkdir -m 700 "$tmp/runtime"
export HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/runtime" XDG_CONFIG_HOME="$tmp/config" \
    XDG_DATA_HOME="$tmp/data" XDG_CACHE_HOME="$tmp/cache" XDG_STATE_HOME="$tmp/state" \
    TMPDIR="$tmp"
mkdir -p "$HOME"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS
PYTHONDONTWRITEBYTECODE=1 dbus-run-session -- /usr/bin/python3 "$here/$script" "$@"
exit $?
