#!/usr/bin/env bash
# Start-up time of the Windows game under Wine against a floor under the same
# Wine in the same run: from process start to the main window mapped
# (viewable), on a private Xvfb display with openbox, in a private prefix.
#
#   bench/scripts/startup_wine.sh [WINDOWS_BUILD_DIR] [RUNS]
#
# WINDOWS_BUILD_DIR holds quorbals.exe (default: build-win/ of this checkout);
# RUNS is the number of timed runs of each program (default 5), after one
# untimed warm-up run of each. The floor is floor_window_win32.cpp here: a bare
# Win32 window with a menu bar over a 273 x 306 client area, cross-compiled by
# this script. Both run with the prefix's server already up, as a second
# start on a Windows desktop would; making the prefix is not timed.
#
# Timing is map_watch.cpp's (see startup.sh). The game's figure includes its
# one-second splash; "less splash" takes that second off.
#
# Last lines, for machines (milliseconds, medians; kB):
#   startup_wine_ms game=<ms> floor=<ms> game_less_splash=<ms> ratio=<less/floor>
#                   splash=<ms> runs=<n>
#   startup_wine_size exe=<bytes> stripped=<bytes> game_rss_kb=<kB> floor_rss_kb=<kB>
set -eu -o pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"

build=${1:-$here/../../build-win}
runs=${2:-5}
[[ $runs =~ ^[1-9][0-9]*$ ]] || bench_die "RUNS must be a positive whole number, not '$runs'"
[[ -d $build ]] || bench_die "no build folder $build"
game=$(cd "$build" && pwd)/quorbals.exe
[[ -f $game ]] || bench_die "no Windows game at $game"
WINE=${QUORBALS_WINE:-/usr/lib/wine/wine64}
WINESERVER=${QUORBALS_WINESERVER:-/usr/lib/wine/wineserver}
for tool in Xvfb openbox xprop xdotool g++ pkg-config x86_64-w64-mingw32-g++-posix \
    x86_64-w64-mingw32-strip "$WINE" "$WINESERVER"; do
    command -v "$tool" >/dev/null || bench_die "$tool is not installed"
done

bench_init
bench_compile map_watch "$here/map_watch.cpp" x11
x86_64-w64-mingw32-g++-posix -O2 -static -mwindows -o "$BENCH_BIN/floor.exe" \
    "$here/floor_window_win32.cpp" || bench_die "cannot compile floor_window_win32.cpp"
x86_64-w64-mingw32-strip -o "$BENCH_BIN/quorbals-stripped.exe" "$game"
bench_start_x

quorbals_wine_env "$BENCH_TMP/prefix"
# The prefix's server goes before the display and the folder do.
wine_cleanup() {
    "$WINESERVER" -k 2>/dev/null || true
    bench_cleanup
}
trap wine_cleanup EXIT
echo "Making a Wine prefix (not timed)..."
"$WINE" wineboot -i </dev/null >"$BENCH_TMP/wineboot.log" 2>&1 || true
"$WINESERVER" -w
# One server for the whole run, kept up between the programs.
"$WINESERVER" -p
"$WINE" cmd.exe /c exit 0 </dev/null >/dev/null 2>&1 || true
cd "$BENCH_WORK"

time_one() { # time_one OUT TITLE PROGRAM [ARG...]
    local out=$1
    shift
    bench_wait_for "$BENCH_BIN/map_watch" --timeout-ms 60000 "$@" >"$out" 2>"$out.err" ||
        bench_die "timing $1 failed: $(cat "$out.err")"
    grep -q '^target ' "$out" || bench_die "no target line for $1"
    # map_watch ends the program; let Wine finish with it before the next start.
    sleep 0.5
}

field() { # field OUT KIND: time of the first KIND line
    awk -v kind="$2" '$1 == kind { print $2; exit }' "$1"
}

echo "Start-up to main window mapped under $("$WINE" --version) on $DISPLAY, $runs runs each:"
game_ms=() floor_ms=() splash_ms=()
for ((i = 0; i <= runs; i++)); do
    time_one "$BENCH_TMP/game.$i" Quorbals "$WINE" "$game"
    time_one "$BENCH_TMP/floor.$i" Floor "$WINE" "$BENCH_BIN/floor.exe"
    g=$(field "$BENCH_TMP/game.$i" target)
    f=$(field "$BENCH_TMP/floor.$i" target)
    s_on=$(field "$BENCH_TMP/game.$i" shown)
    s_off=$(field "$BENCH_TMP/game.$i" hidden)
    s=
    [[ -n $s_on && -n $s_off ]] && s=$(awk -v a="$s_on" -v b="$s_off" 'BEGIN { printf "%.1f", b - a }')
    if ((i == 0)); then
        echo "  warm-up: game $g ms, floor $f ms (not counted)"
        continue
    fi
    echo "  run $i: game $g ms (splash on screen ${s:-?} ms), floor $f ms"
    game_ms+=("$g") floor_ms+=("$f")
    [[ -n $s ]] && splash_ms+=("$s")
done

gm=$(printf '%s\n' "${game_ms[@]}" | bench_median)
fm=$(printf '%s\n' "${floor_ms[@]}" | bench_median)
sm=0
((${#splash_ms[@]} > 0)) && sm=$(printf '%s\n' "${splash_ms[@]}" | bench_median)
less=$(awk -v a="$gm" 'BEGIN { printf "%.1f", a - 1000 }')
ratio=$(bench_ratio "$less" "$fm")

# Resident memory once each window is up and has settled for a second; the
# process started is the Windows process itself (Wine's loader execs it).
rss_of() { # rss_of TITLE PROGRAM [ARG...]: VmRSS in kB
    local title=$1 pid rss
    shift
    bench_spawn "$BENCH_TMP/rss.log" "$@"
    pid=$BENCH_LAST_PID
    bench_wait_window "$title" 60 >/dev/null || bench_die "no window $title for the memory figure"
    sleep 1
    rss=$(awk '$1 == "VmRSS:" { print $2 }' "/proc/$pid/status")
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    sleep 0.5
    echo "$rss"
}
game_rss=$(rss_of Quorbals "$WINE" "$game")
floor_rss=$(rss_of Floor "$WINE" "$BENCH_BIN/floor.exe")
exe_size=$(stat -c %s "$game")
stripped_size=$(stat -c %s "$BENCH_BIN/quorbals-stripped.exe")

echo "Medians of $runs runs:"
echo "  game   main window mapped after $gm ms (its splash was on screen $sm ms of that)"
echo "  floor  main window mapped after $fm ms"
echo "  game less its one-second splash wait: $less ms, ratio $ratio to the floor"
echo "  quorbals.exe $exe_size bytes ($stripped_size stripped, as packaged)"
echo "  resident memory: game $game_rss kB, floor $floor_rss kB"
printf 'startup_wine_ms game=%.0f floor=%.0f game_less_splash=%.0f ratio=%s splash=%.0f runs=%d\n' \
    "$gm" "$fm" "$less" "$ratio" "$sm" "$runs"
printf 'startup_wine_size exe=%d stripped=%d game_rss_kb=%d floor_rss_kb=%d\n' \
    "$exe_size" "$stripped_size" "$game_rss" "$floor_rss"
