#!/bin/sh
# Reads the Qt game as a Linux screen reader does, through AT-SPI: runs
# screen_reader_test.py on a private D-Bus session with its own
# accessibility bus, X display and window manager, every folder the programs
# write to inside a temporary folder.
#
# Usage: screen_reader_test.sh <game> [screenshot folder]
set -u
game=${1:?usage: screen_reader_test.sh <game> [screenshot folder]}
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb openbox xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher \
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
    XDG_DATA_HOME="$tmp/data" XDG_CACHE_HOME="$tmp/cache" XDG_STATE_HOME="$tmp/state"
mkdir -p "$HOME"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS
dbus-run-session -- /usr/bin/python3 "$here/screen_reader_test.py" "$game" "${2:-}"
exit $?
