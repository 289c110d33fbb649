#!/bin/sh
# Runs a command on a private X display with a window manager, as a desktop
# has: Wine needs a display to make windows at all, and the window manager
# makes activation and hiding behave as they do for a player.
#   with_x_session.sh WINEPREFIX COMMAND [ARGUMENTS...]
# The prefix's Wine server is ended afterwards, since its processes hold
# the display that goes away; give the command a prefix of its own.
set -e
if [ $# -lt 2 ]; then
    echo "usage: with_x_session.sh WINEPREFIX COMMAND [ARGUMENTS...]" >&2
    exit 2
fi
prefix=$1
shift

work=$(mktemp -d)
# The window manager's log and whatever else the session writes stay in it.
. "$(dirname "$0")/../../../tools/test-env.sh"
quorbals_test_home "$work/home"
xvfb_pid=
wm_pid=
finish() {
    WINEPREFIX="$prefix" "${QUORBALS_WINESERVER:-/usr/lib/wine/wineserver}" -k 2>/dev/null || true
    [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

# Xvfb picks a free display and writes its number; -noreset keeps it from
# starting over (and refusing connections meanwhile) when a look with xprop
# was its last client.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "with_x_session.sh: Xvfb did not start" >&2
    exit 1
fi
DISPLAY=:$(cat "$work/display")
export DISPLAY

openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
wm_ready=
for _ in $(seq 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
        wm_ready=yes
        break
    fi
    sleep 0.1
done
if [ -z "$wm_ready" ]; then
    echo "with_x_session.sh: openbox did not take over the display" >&2
    exit 1
fi

status=0
"$@" || status=$?
exit $status
