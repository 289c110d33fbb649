#!/bin/sh
# Compiles the help sources in assets/help/ into assets/quorbals.chm with
# chmcmd (Debian package fp-utils). The compiled file is kept in the
# repository, so building the game needs no Pascal tools; run this after
# changing the help and commit the result.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
src="$root/assets/help"
out="$root/assets/quorbals.chm"

if ! command -v chmcmd >/dev/null 2>&1; then
    echo "build_help.sh: chmcmd not found (install the package fp-utils)" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -R "$src"/. "$work"/
(cd "$work" && chmcmd quorbals.hhp >"$work/chmcmd.log" 2>&1) || {
    cat "$work/chmcmd.log" >&2
    exit 1
}
if [ ! -s "$work/quorbals.chm" ]; then
    cat "$work/chmcmd.log" >&2
    echo "build_help.sh: chmcmd wrote no quorbals.chm" >&2
    exit 1
fi
cp "$work/quorbals.chm" "$out"
echo "$out"
