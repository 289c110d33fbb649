#!/bin/sh
# Runs a Windows program under Wine in a private prefix, never the user's
# own: wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
# The first run makes the prefix; a lock keeps parallel runs from making it
# twice or using it half made.
set -e
if [ $# -lt 2 ]; then
    echo "usage: wine-run.sh PREFIX PROGRAM [ARGUMENTS...]" >&2
    exit 2
fi
prefix=$1
shift

WINE=${QUORBALS_WINE:-/usr/lib/wine/wine64}
WINESERVER=${QUORBALS_WINESERVER:-/usr/lib/wine/wineserver}
export WINEPREFIX="$prefix"
# Wine links the prefix's Documents, Desktop and the like to folders of the
# home folder: a home of the prefix's own keeps them off the user's.
export HOME="$prefix.home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"

ready="$prefix/.quorbals-prefix-ready"
mkdir -p "$(dirname "$prefix")" "$HOME"
(
    flock 9
    # Wine's own processes must not inherit the lock, or it would be held
    # for as long as they live; nor the caller's output, or whoever reads
    # it (ctest) would wait for them.
    if [ ! -f "$ready" ]; then
        "$WINE" wineboot -i </dev/null >/dev/null 2>&1 9>&- || true
        "$WINESERVER" -w 9>&-
        touch "$ready"
    fi
    # Keep the prefix's server and Wine's services for a minute after the
    # last program ends, so that a test run starts Wine once, not with every
    # program.
    if "$WINESERVER" -p60 </dev/null >/dev/null 2>&1 9>&-; then
        "$WINE" cmd.exe /c exit 0 </dev/null >/dev/null 2>&1 9>&- || true
    fi
) 9>"$prefix.lock"
exec "$WINE" "$@"
