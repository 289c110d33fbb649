#!/bin/sh
# Soak run of the rules: the simulator's bot plays until at least a million
# moves have been made, with the Desk, FreeCellList and FreeCount checked
# after every turn (and no line of five left behind). Not part of the
# default test run; prints the figures and fails on the first violation.
#
#   bench/scripts/soak.sh [BUILD_DIR] [MOVES=1000000] [SEED=1]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
moves=${2:-1000000}
seed=${3:-1}
sim=$build/quorbals-sim
[ -x "$sim" ] || { echo "soak: no simulator at $sim (build first)" >&2; exit 1; }

# About 51 moves per game with this bot: ask for enough games, then report
# what was actually played.
games=$(( moves / 45 + 1 ))
[ "$games" -le 1000000 ] || games=1000000
"$sim" --seed "$seed" --games "$games" --check > "${TMPDIR:-/tmp}/quorbals-soak.$$"
cat "${TMPDIR:-/tmp}/quorbals-soak.$$"
played=$(sed -n 's/^moves: //p' "${TMPDIR:-/tmp}/quorbals-soak.$$")
rm -f "${TMPDIR:-/tmp}/quorbals-soak.$$"
if [ "$played" -lt "$moves" ]; then
    echo "soak: only $played moves played, fewer than $moves" >&2
    exit 1
fi
echo "soak moves=$played seed=$seed invariants=ok"
