#!/bin/sh
# Runs a Windows program under Wine in a private prefix, never the user's
# own, with a home of its own (PREFIX-home) and no menu builder, so that
# nothing lands in the user's home: wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
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
. "$(dirname "$0")/test-env.sh"
quorbals_wine_env "$prefix"
# The prefix's own home beside it, the same on every run: Wine links the
# prefix's user folders to the home's when it makes the prefix.
mkdir -p "$(dirname "$prefix")"
quorbals_test_home "$prefix-home"

ready="$prefix/.quorbals-prefix-ready"
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
