#!/usr/bin/env bash
# Start-up time of the game against a floor: from process start to the main
# window mapped (viewable), on a private Xvfb display with openbox.
#
#   bench/scripts/startup.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR holds the built `quorbals` (default: build/ of this checkout);
# RUNS is the number of timed runs of each program (default 5), after one
# untimed warm-up run of each. The floor is floor_window.cpp here: a
# QMainWindow with a menu bar and a 273 x 306 widget, compiled by this script.
#
# How it is timed: map_watch.cpp (also compiled here) selects X structure
# events on the root window and on every new top-level window, takes a
# monotonic timestamp, forks and execs the program, and stamps each window's
# change to or from viewable as its event arrives. The game's figure includes
# its one-second splash; the splash's own time on screen is reported beside it.
# Game and floor runs alternate so that any drift of the machine hits both.
#
# Last line, for machines (milliseconds, medians):
#   startup_ms game=<ms> floor=<ms> diff=<ms> ratio=<game/floor> splash=<ms>
#              first_window=<ms> runs=<n>
# splash: how long the splash stood on screen; first_window: when it appeared.
set -eu -o pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"

build=${1:-$here/../../build}
runs=${2:-5}
[[ $runs =~ ^[1-9][0-9]*$ ]] || bench_die "RUNS must be a positive whole number, not '$runs'"
[[ -d $build ]] || bench_die "no build folder $build"
game=$(cd "$build" && pwd)/quorbals
[[ -x $game ]] || bench_die "no built game at $game"
for tool in Xvfb openbox xprop xdotool g++ pkg-config; do
    command -v "$tool" >/dev/null || bench_die "$tool is not installed"
done

bench_init
bench_compile floor_window "$here/floor_window.cpp" Qt6Widgets
bench_compile map_watch "$here/map_watch.cpp" x11
bench_start_x
cd "$BENCH_WORK"  # the programs look for their sound files in the current folder

# time_one OUT TITLE PROGRAM [ARG...]: one timed start; the watcher's lines in OUT.
time_one() {
    local out=$1
    shift
    bench_wait_for "$BENCH_BIN/map_watch" --timeout-ms 30000 "$@" >"$out" 2>"$out.err" ||
        bench_die "timing $1 failed: $(cat "$out.err")"
    grep -q '^target ' "$out" || bench_die "no target line for $1"
}

field() { # field OUT KIND: time of the first KIND line
    awk -v kind="$2" '$1 == kind { print $2; exit }' "$1"
}

echo "Start-up to main window mapped on $DISPLAY (Xvfb + openbox), $runs runs each:"
game_ms=() floor_ms=() splash_ms=() first_ms=()
for ((i = 0; i <= runs; i++)); do
    time_one "$BENCH_TMP/game.$i" Quorbals "$game"
    time_one "$BENCH_TMP/floor.$i" Floor "$BENCH_BIN/floor_window"
    g=$(field "$BENCH_TMP/game.$i" target)
    f=$(field "$BENCH_TMP/floor.$i" target)
    s_on=$(field "$BENCH_TMP/game.$i" shown)
    s_off=$(field "$BENCH_TMP/game.$i" hidden)
    [[ -n $s_on && -n $s_off ]] || bench_die "the game showed no splash: $(cat "$BENCH_TMP/game.$i")"
    s=$(awk -v a="$s_on" -v b="$s_off" 'BEGIN { printf "%.1f", b - a }')
    if ((i == 0)); then
        echo "  warm-up: game $g ms, floor $f ms (not counted)"
        continue
    fi
    echo "  run $i: game $g ms (splash shown at $s_on, hidden at $s_off: $s ms on screen), floor $f ms"
    game_ms+=("$g") floor_ms+=("$f") splash_ms+=("$s") first_ms+=("$s_on")
done

gm=$(printf '%s\n' "${game_ms[@]}" | bench_median)
fm=$(printf '%s\n' "${floor_ms[@]}" | bench_median)
sm=$(printf '%s\n' "${splash_ms[@]}" | bench_median)
first=$(printf '%s\n' "${first_ms[@]}" | bench_median)
diff=$(awk -v a="$gm" -v b="$fm" 'BEGIN { printf "%.1f", a - b }')
ratio=$(bench_ratio "$gm" "$fm")
# The splash must stand for one second; what lies beyond it is the game's own cost.
beyond=$(awk -v a="$gm" 'BEGIN { printf "%.1f", a - 1000 }')
beyond_ratio=$(bench_ratio "$beyond" "$fm")
first_ratio=$(bench_ratio "$first" "$fm")

echo "Medians of $runs runs:"
echo "  game   main window mapped after $gm ms (its splash was on screen $sm ms of that)"
echo "  floor  main window mapped after $fm ms"
echo "  difference $diff ms, ratio $ratio"
echo "  game's first window (the splash) mapped after $first ms: ratio $first_ratio to the floor"
echo "  game less its one-second splash wait: $beyond ms, ratio $beyond_ratio to the floor"
printf 'startup_ms game=%.0f floor=%.0f diff=%.0f ratio=%.1f splash=%.0f first_window=%.0f runs=%d\n' \
    "$gm" "$fm" "$diff" "$ratio" "$sm" "$first" "$runs"
