# shellcheck shell=bash
# Shared by the benchmark scripts here (sourced, not run): a private scratch
# folder with its own HOME and XDG folders, helper programs compiled into it,
# a private Xvfb display with openbox, and the clean-up of everything started.
#
# After bench_init: BENCH_TMP (scratch folder, removed at exit), BENCH_WORK
# (working folder for the programs timed), BENCH_BIN (compiled helpers).
# Every background process goes through bench_spawn, so the exit trap can end
# each one by its own id, newest first (programs, then openbox, then Xvfb).

BENCH_PIDS=()

bench_die() {
    echo "${0##*/}: $*" >&2
    exit 1
}

# bench_is_ours PID: the process is running and a child of this script (bash
# reaps finished children by itself, so a bare id could have been reused).
bench_is_ours() {
    local stat state ppid
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    read -r state ppid _ <<<"$stat"
    [[ $state != Z && $ppid == "$$" ]]
}

bench_cleanup() {
    local rc=$? i pid n
    set +e
    trap - EXIT INT TERM
    for ((i = ${#BENCH_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${BENCH_PIDS[i]}
        bench_is_ours "$pid" || continue
        kill -TERM "$pid" 2>/dev/null
        for ((n = 0; n < 30; n++)); do
            bench_is_ours "$pid" || break
            sleep 0.1
        done
        bench_is_ours "$pid" && kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    [[ -n ${BENCH_TMP:-} && -d $BENCH_TMP ]] && rm -rf -- "$BENCH_TMP"
    exit "$rc"
}

bench_init() {
    BENCH_TMP=$(mktemp -d "${TMPDIR:-/tmp}/quorbals-bench.XXXXXX")
    trap bench_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    BENCH_WORK=$BENCH_TMP/work
    BENCH_BIN=$BENCH_TMP/bin
    mkdir -p "$BENCH_WORK" "$BENCH_BIN"
    # Nothing the programs write may reach the real account or desktop.
    # shellcheck source=../../tools/test-env.sh
    . "$(dirname "${BASH_SOURCE[0]}")/../../tools/test-env.sh"
    quorbals_test_home "$BENCH_TMP/home"
    unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS XAUTHORITY SESSION_MANAGER
    export QT_QPA_PLATFORM=xcb
    export DISPLAY=
}

# bench_spawn LOG PROGRAM [ARG...]: runs PROGRAM in BENCH_WORK in the
# background; its id is in BENCH_LAST_PID.
bench_spawn() {
    local log=$1
    shift
    (cd "$BENCH_WORK" && exec "$@") >"$log" 2>&1 &
    BENCH_LAST_PID=$!
    BENCH_PIDS+=("$BENCH_LAST_PID")
}

# bench_wait_for COMMAND [ARG...]: runs COMMAND in the background and waits
# for it, so that a signal to this script is handled at once rather than
# after the command ends; returns the command's status.
bench_wait_for() {
    local pid rc=0
    "$@" &
    pid=$!
    BENCH_PIDS+=("$pid")
    wait "$pid" || rc=$?
    local kept=() p
    for p in "${BENCH_PIDS[@]}"; do
        [[ $p == "$pid" ]] || kept+=("$p")
    done
    BENCH_PIDS=("${kept[@]}")
    return "$rc"
}

# bench_compile NAME SOURCE PKG...: compiles a helper of this folder.
bench_compile() {
    local name=$1 source=$2
    shift 2
    local flags
    flags=$(pkg-config --cflags --libs "$@") || bench_die "pkg-config $* failed"
    # shellcheck disable=SC2086  # flags are words on purpose
    g++ -std=c++20 -O2 -fPIC -Wall -Wextra -Wpedantic -o "$BENCH_BIN/$name" "$source" $flags ||
        bench_die "cannot compile $source"
}

# bench_start_x: a private Xvfb (its own free display number) with openbox.
bench_start_x() {
    local fdfile=$BENCH_TMP/displayfd n
    : >"$fdfile"
    # -displayfd: the server picks a free display and writes its number.
    (exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fdfile") \
        >"$BENCH_TMP/xvfb.log" 2>&1 &
    BENCH_PIDS+=("$!")
    for ((n = 0; n < 100; n++)); do
        grep -q '^[0-9][0-9]*$' "$fdfile" 2>/dev/null && break
        kill -0 "${BENCH_PIDS[-1]}" 2>/dev/null || bench_die "Xvfb failed: $(cat "$BENCH_TMP/xvfb.log")"
        sleep 0.1
    done
    grep -q '^[0-9][0-9]*$' "$fdfile" || bench_die "Xvfb gave no display number"
    DISPLAY=":$(cat "$fdfile")"
    export DISPLAY

    openbox --sm-disable >"$BENCH_TMP/openbox.log" 2>&1 &
    BENCH_PIDS+=("$!")
    for ((n = 0; n < 100; n++)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    bench_die "openbox did not take over $DISPLAY"
}

# bench_wait_window TITLE [SECONDS]: prints the id of the visible window whose
# title is exactly TITLE, waiting for it.
bench_wait_window() {
    local title=$1 limit=${2:-20} n id
    for ((n = 0; n < limit * 10; n++)); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1) || true
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# bench_median: the median of the numbers on standard input.
bench_median() {
    sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) exit 1
        if (NR % 2) printf "%.1f\n", v[(NR + 1) / 2]
        else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# bench_ratio A B: A / B to two decimals, "inf" when B is zero.
bench_ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b == 0) print "inf"; else printf "%.2f\n", a / b }'
}
