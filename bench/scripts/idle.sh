#!/usr/bin/env bash
# Idle cost of the game with a selected (glowing) ball against a floor, both
# running side by side on a private Xvfb display with openbox.
#
#   bench/scripts/idle.sh [BUILD_DIR] [SECONDS]
#
# BUILD_DIR holds the built `quorbals` (default: build/ of this checkout);
# SECONDS is the measured stretch (default 60). The floor is floor_window.cpp
# here run with --tick: a QMainWindow with a menu bar whose 100 ms timer
# repaints one 22 x 22 square, as the glow does.
#
# The game's Desk is found on a screenshot (desk_probe.cpp, compiled here),
# a ball is clicked with xdotool, and the glow is checked on two screenshots.
# Then, over the same SECONDS for both processes: CPU time per second of wall
# time from utime + stime of /proc/<pid>/stat (all threads; clock ticks of
# 1/CLK_TCK s, so over 60 s the figure is good to about 0.2 ms/s), and
# resident memory (VmRSS of /proc/<pid>/status) at the end.
#
# Last line, for machines (CPU in ms per s, memory in KiB):
#   idle_cost seconds=<s> cpu_game=<ms/s> cpu_floor=<ms/s> cpu_ratio=<r>
#             rss_game=<KiB> rss_floor=<KiB> rss_ratio=<r>
#             sched_game=<ms/s> sched_floor=<ms/s> sched_ratio=<r>
# sched_*: the same CPU figure from the scheduler's own run time of every
# thread (/proc/<pid>/task/*/schedstat, nanoseconds), which does not suffer
# the tick rounding.
set -eu -o pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"

build=${1:-$here/../../build}
seconds=${2:-60}
[[ $seconds =~ ^[1-9][0-9]*$ ]] || bench_die "SECONDS must be a positive whole number, not '$seconds'"
[[ -d $build ]] || bench_die "no build folder $build"
game=$(cd "$build" && pwd)/quorbals
[[ -x $game ]] || bench_die "no built game at $game"
for tool in Xvfb openbox xprop xdotool import g++ pkg-config getconf; do
    command -v "$tool" >/dev/null || bench_die "$tool is not installed"
done
clk_tck=$(getconf CLK_TCK)

bench_init
bench_compile floor_window "$here/floor_window.cpp" Qt6Widgets
bench_compile desk_probe "$here/desk_probe.cpp" Qt6Gui
bench_start_x

shot() { import -window root "png:$1"; }

# cpu_ticks PID: utime + stime. The fields are counted after the ")" that
# ends the command name, which may itself hold spaces.
cpu_ticks() {
    local rest
    rest=$(cat "/proc/$1/stat") || bench_die "process $1 has gone"
    rest=${rest##*) }
    awk '{ print $12 + $13 }' <<<"$rest"
}

# sched_ns PID: the scheduler's run time of all its threads in ns, a finer
# cross-check of the tick counts above.
sched_ns() {
    awk '{ s += $1 } END { printf "%.0f\n", s }' "/proc/$1"/task/*/schedstat 2>/dev/null ||
        bench_die "process $1 has gone"
}

rss_kib() {
    awk '$1 == "VmRSS:" { print $2 }' "/proc/$1/status" || bench_die "process $1 has gone"
}

# The floor first, moved out of the way, so that the game is the active window
# (its first activation deals the first game) and the two never overlap.
bench_spawn "$BENCH_TMP/floor.log" "$BENCH_BIN/floor_window" --tick
floor_pid=$BENCH_LAST_PID
floor_win=$(bench_wait_window Floor 20) || bench_die "the floor window never showed"
xdotool windowmove "$floor_win" 10 10

bench_spawn "$BENCH_TMP/game.log" "$game"
game_pid=$BENCH_LAST_PID
bench_wait_window Quorbals 20 >/dev/null || bench_die "the game window never showed"

# Wait for the first game on the Desk, then select a ball.
probe=
for ((n = 0; n < 50; n++)); do
    shot "$BENCH_TMP/before.png"
    if probe=$("$BENCH_BIN/desk_probe" find "$BENCH_TMP/before.png" 2>/dev/null); then
        break
    fi
    probe=
    sleep 0.2
done
[[ -n $probe ]] || bench_die "no Desk with balls on the screen"
read -r _ ball_x ball_y tile_x tile_y < <(grep '^ball ' <<<"$probe")
xdotool mousemove "$ball_x" "$ball_y" click 1

# glowing: the selected tile differs between two shots a little apart.
glowing() {
    local n
    for ((n = 0; n < 10; n++)); do
        shot "$BENCH_TMP/glow1.png"
        sleep 0.15
        shot "$BENCH_TMP/glow2.png"
        "$BENCH_BIN/desk_probe" differ "$BENCH_TMP/glow1.png" "$BENCH_TMP/glow2.png" \
            "$tile_x" "$tile_y" && return 0
    done
    return 1
}
glowing || bench_die "the clicked ball at ($ball_x, $ball_y) does not glow"
sleep 1

echo "Idle for $seconds s on $DISPLAY (Xvfb + openbox): game with a glowing ball, floor repainting a 22x22 square every 100 ms"
g0=$(cpu_ticks "$game_pid") gs0=$(sched_ns "$game_pid")
f0=$(cpu_ticks "$floor_pid") fs0=$(sched_ns "$floor_pid")
t0=$(date +%s%N)
bench_wait_for sleep "$seconds"
g1=$(cpu_ticks "$game_pid") gs1=$(sched_ns "$game_pid")
f1=$(cpu_ticks "$floor_pid") fs1=$(sched_ns "$floor_pid")
t1=$(date +%s%N)
game_rss=$(rss_kib "$game_pid")
floor_rss=$(rss_kib "$floor_pid")
glowing || bench_die "the ball stopped glowing during the measurement"

per_s() { # per_s TICKS: ms of CPU per s of wall time
    awk -v t="$1" -v hz="$clk_tck" -v ns="$((t1 - t0))" 'BEGIN { printf "%.2f", t * 1000 / hz / (ns / 1e9) }'
}
game_cpu=$(per_s "$((g1 - g0))")
floor_cpu=$(per_s "$((f1 - f0))")
cpu_ratio=$(bench_ratio "$game_cpu" "$floor_cpu")
ns_per_s() { # ns_per_s NS: ms of CPU per s of wall time
    awk -v n="$1" -v ns="$((t1 - t0))" 'BEGIN { printf "%.3f", n / 1e6 / (ns / 1e9) }'
}
game_sched=$(ns_per_s "$((gs1 - gs0))")
floor_sched=$(ns_per_s "$((fs1 - fs0))")
sched_ratio=$(bench_ratio "$game_sched" "$floor_sched")
rss_ratio=$(bench_ratio "$game_rss" "$floor_rss")
wall=$(awk -v ns="$((t1 - t0))" 'BEGIN { printf "%.2f", ns / 1e9 }')

echo "  CPU    game $game_cpu ms/s ($((g1 - g0)) ticks), floor $floor_cpu ms/s ($((f1 - f0)) ticks) over $wall s; ratio $cpu_ratio"
echo "  CPU    by the scheduler's run time (ns): game $game_sched ms/s, floor $floor_sched ms/s; ratio $sched_ratio"
echo "  VmRSS  game $game_rss KiB, floor $floor_rss KiB; ratio $rss_ratio"
echo "idle_cost seconds=$seconds cpu_game=$game_cpu cpu_floor=$floor_cpu cpu_ratio=$cpu_ratio rss_game=$game_rss rss_floor=$floor_rss rss_ratio=$rss_ratio sched_game=$game_sched sched_floor=$floor_sched sched_ratio=$sched_ratio"
