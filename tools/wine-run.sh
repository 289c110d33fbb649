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
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="

ready="$prefix/.quorbals-prefix-ready"
if [ ! -f "$ready" ]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -f "$ready" ]; then
            "$WINE" wineboot -i >/dev/null 2>&1 || true
            "$WINESERVER" -w
            touch "$ready"
        fi
    ) 9>"$prefix.lock"
fi
exec "$WINE" "$@"
