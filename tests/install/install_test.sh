#!/bin/bash
# Installs a build into a temporary root as a package would (prefix /usr) and
# checks that the installed game works from there:
#   - the layout: the game, its help library, help file and sounds together in
#     usr/lib/quorbals, a relative link to the game (usr/bin/quorbals; in the
#     Debian package usr/games/quorbals), the desktop entry starting it, the
#     AppStream metadata, icons and the manual page under usr/share;
#   - desktop-file-validate and appstreamcli accept the metadata, and man
#     formats the manual page without a warning;
#   - an install into another prefix (/usr/local) names its own folders;
#   - the installed game, started through the link from an empty folder, opens
#     its window on a private Xvfb display with openbox, F1 opens the help
#     window and a link inside it opens another page of the help file, a click
#     on a ball plays a sound, and closing the window ends the program;
#   - with strace (when installed): the help library, help file and sounds were
#     read from usr/lib/quorbals and nothing from the build folder.
#
# Usage: install_test.sh [--root DIR] <build folder> [cmake] [version]
#   --root DIR  check what the Debian package installed under DIR (the unpacked
#               package, or / for the package installed on this machine)
#               instead of installing the build.
set -u

given_root=
if [ "${1:-}" = --root ]; then
    given_root=$(cd "${2:?--root needs a folder}" && pwd -P) || exit 1
    shift 2
fi
build=$(cd "${1:?usage: install_test.sh [--root DIR] <build folder> [cmake] [version]}" && pwd -P)
cmake=${2:-cmake}
version=${3:-}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
note() {
    echo "-- $*"
}

for tool in Xvfb openbox xdotool xprop desktop-file-validate appstreamcli man gzip timeout; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (tools/setup-debian.sh installs it)"
        exit 77
    fi
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quorbals-install.XXXXXX") || fail "no temporary folder"
# A home of its own for everything from here on, the validators included.
. "$(dirname "$0")/../../tools/test-env.sh"
quorbals_test_home "$tmp/home"
root=${given_root:-$tmp/root}
root=${root%/}
program_dir=$root/usr/lib/quorbals
# The Debian package keeps games' programs in /usr/games; an install keeps its
# link in bin/, and the desktop entry starts the game through the PATH.
if [ -n "$given_root" ]; then
    link_dir=usr/games
    other_link_dir=usr/bin
    exec_line=Exec=/usr/games/quorbals
else
    link_dir=usr/bin
    other_link_dir=usr/games
    exec_line=Exec=quorbals
fi
link_path=$root/$link_dir/quorbals
xvfb_pid=
wm_pid=
game_pid=
runner_pid=

stop() {
    # Politely first, then for good; only the processes this script started.
    local pid=$1
    [ -n "$pid" ] || return 0
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.2
    done
    kill -KILL "$pid" 2>/dev/null
}
cleanup() {
    stop "$game_pid"
    stop "$runner_pid"
    stop "$wm_pid"
    stop "$xvfb_pid"
    wait 2>/dev/null
    # KEEP_TMP=1 keeps the installed root, the logs and the trace for a look.
    if [ -n "${KEEP_TMP:-}" ]; then
        echo "kept $tmp"
    else
        rm -rf "$tmp"
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# --- Install ---------------------------------------------------------------
if [ -z "$given_root" ]; then
    note "installing $build into $root (prefix /usr)"
    DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$tmp/install.log" 2>&1 ||
        { cat "$tmp/install.log" >&2; fail "cmake --install failed"; }
else
    note "checking what is installed under ${root:-/}"
fi

# --- Layout ----------------------------------------------------------------
for f in quorbals libquorbals-help.so quorbals.chm \
    select.wav move.wav remove.wav add.wav end.wav; do
    [ -f "$program_dir/$f" ] || fail "usr/lib/quorbals/$f is missing"
done
[ -x "$program_dir/quorbals" ] || fail "usr/lib/quorbals/quorbals is not executable"
[ -L "$link_path" ] || fail "$link_dir/quorbals is not a symbolic link"
link=$(readlink "$link_path")
case $link in
    /*) fail "$link_dir/quorbals points to the absolute path $link; it must be relative" ;;
esac
[ "$(readlink -f "$link_path")" = "$(readlink -f "$program_dir/quorbals")" ] ||
    fail "$link_dir/quorbals ($link) does not lead to usr/lib/quorbals/quorbals"
if [ -e "$root/$other_link_dir/quorbals" ] || [ -L "$root/$other_link_dir/quorbals" ]; then
    fail "$other_link_dir/quorbals is there as well as $link_dir/quorbals"
fi
desktop=$root/usr/share/applications/org.example.quorbals.desktop
metainfo=$root/usr/share/metainfo/org.example.quorbals.metainfo.xml
[ -f "$desktop" ] || fail "the desktop entry is missing"
[ -f "$metainfo" ] || fail "the AppStream metadata is missing"
for size in 16 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/quorbals.png" ] ||
        fail "the ${size}x${size} icon is missing"
done
# The game is found by the dynamic loader's default paths alone: no build
# folder may remain in its search path.
if command -v readelf >/dev/null 2>&1; then
    if readelf -d "$program_dir/quorbals" "$program_dir/libquorbals-help.so" |
        grep -E 'R(UN)?PATH' | grep -q "$build"; then
        fail "an installed binary still searches the build folder for libraries"
    fi
fi
note "layout is complete"

# --- Desktop entry and AppStream metadata ----------------------------------
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$metainfo" >"$tmp/appstream.log" 2>&1 ||
    { cat "$tmp/appstream.log" >&2; fail "appstreamcli rejects the metadata"; }
grep -qx "$exec_line" "$desktop" ||
    fail "the desktop entry does not start the game with $exec_line: $(grep '^Exec=' "$desktop")"
grep -qx 'Icon=quorbals' "$desktop" || fail "the desktop entry does not name the quorbals icon"
grep -q '<launchable type="desktop-id">org.example.quorbals.desktop</launchable>' "$metainfo" ||
    fail "the metadata does not launch the installed desktop entry"
if [ -n "$version" ]; then
    grep -q "<release version=\"$version\"" "$metainfo" ||
        fail "the metadata has no release $version"
fi
note "desktop entry and metadata are valid"

# --- Manual page ------------------------------------------------------------
# check_manual FILE FOLDER: a page gzip made without name or time (so the same
# release installs the same bytes), naming FOLDER as the program's folder, that
# man formats without a warning.
check_manual() {
    local page=$1 folder=$2 header
    [ -f "$page" ] || fail "the manual page ${page#"$root"/} is missing"
    gzip -t "$page" || fail "the manual page is no gzip file"
    # Bytes 3 to 7: the flags (no name stored) and the time (none: zero).
    header=$(od -An -tx1 -j3 -N5 "$page" | tr -d ' \n')
    if [ $((0x${header:0:2} & 0x08)) != 0 ] || [ "${header:2}" != 00000000 ]; then
        fail "the manual page keeps a file name or time (gzip -n makes none)"
    fi
    gzip -dc "$page" >"$tmp/quorbals.6"
    for section in NAME SYNOPSIS DESCRIPTION KEYS FILES "SEE ALSO"; do
        grep -qx "\.SH $section" "$tmp/quorbals.6" || fail "the manual page has no section $section"
    done
    grep -q '^quorbals \\- ' "$tmp/quorbals.6" || fail "the manual page's NAME is not \"quorbals \\- ...\""
    grep -qF "$folder/" "$tmp/quorbals.6" || fail "the manual page does not name $folder"
    if grep -n '@[A-Z_]*@' "$tmp/quorbals.6" >&2; then
        fail "the manual page has words that were not filled in"
    fi
    # As lintian runs it: warnings go to the error output.
    LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" >/dev/null 2>"$tmp/man.log" ||
        { cat "$tmp/man.log" >&2; fail "man cannot format the manual page"; }
    if [ -s "$tmp/man.log" ]; then
        cat "$tmp/man.log" >&2
        fail "man warns about the manual page"
    fi
}
check_manual "$root/usr/share/man/man6/quorbals.6.gz" /usr/lib/quorbals
note "the manual page is sound"

# --- Another prefix ----------------------------------------------------------
if [ -z "$given_root" ]; then
    other=$tmp/other-root
    DESTDIR=$other "$cmake" --install "$build" --prefix /usr/local >"$tmp/install-local.log" 2>&1 ||
        { cat "$tmp/install-local.log" >&2; fail "cmake --install --prefix /usr/local failed"; }
    [ "$(readlink -f "$other/usr/local/bin/quorbals")" = \
        "$(readlink -f "$other/usr/local/lib/quorbals/quorbals")" ] ||
        fail "usr/local/bin/quorbals does not lead to usr/local/lib/quorbals/quorbals"
    check_manual "$other/usr/local/share/man/man6/quorbals.6.gz" /usr/local/lib/quorbals
    rm -rf "$other"
    note "an install into /usr/local has its link in bin/ and names its own folder"
fi

# --- The installed game on a private display --------------------------------
# -noreset: otherwise the server starts over whenever its last client leaves
# (a look with xprop) and refuses whoever connects meanwhile.
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset >"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    grep -q '^[0-9][0-9]*$' "$tmp/display" 2>/dev/null && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
display_number=$(head -n1 "$tmp/display" 2>/dev/null)
[ -n "$display_number" ] || { cat "$tmp/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=:$display_number
unset WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER

# No session bus and no sound server of the real user, and nothing that could
# start one behind the test's back.
mkdir -p "$tmp/cwd"
export DBUS_SESSION_BUS_ADDRESS=unix:path=$tmp/no-bus
export PULSE_SERVER=unix:$tmp/no-sound-server

openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    fail "openbox did not take over the display"

# Started through the link, from an empty folder: the sounds are not in the
# current folder, so they can only be found through the program's own folder.
trace=
if command -v strace >/dev/null 2>&1 && strace -qq -o /dev/null true 2>/dev/null; then
    # One file per thread (-ff), so that no call is split over two lines.
    mkdir "$tmp/trace"
    trace=$tmp/trace
    runner=(strace -ff -qq -o "$trace/calls" -e trace=%file --)
    # A sanitizer build's leak check cannot work under ptrace and would end
    # the game with a failure of its own.
    export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
else
    note "strace is missing or may not trace here: the files the game reads are not traced"
    runner=()
fi
# The little shell notes the game's process id and becomes the game.
# shellcheck disable=SC2016
(cd "$tmp/cwd" &&
    exec "${runner[@]}" /bin/sh -c 'echo $$ >"$1"; exec "$2"' sh "$tmp/game.pid" \
        "$link_path") >"$tmp/game.log" 2>&1 &
runner_pid=$!
for _ in $(seq 100); do
    [ -s "$tmp/game.pid" ] && break
    sleep 0.1
done
game_pid=$(cat "$tmp/game.pid" 2>/dev/null)
[ -n "$game_pid" ] || fail "the game did not start"

show_game_log() {
    echo "--- the game's output:" >&2
    cat "$tmp/game.log" >&2
}

# main_window: the id of the visible window titled exactly "Quorbals" that is
# 273 pixels wide, or nothing. Message boxes carry the program's name too, and
# the main window is mapped before it is sized: any other window of that name
# is not (yet) the one looked for.
main_window() {
    local id WIDTH HEIGHT X Y SCREEN WINDOW
    for id in $(xdotool search --onlyvisible --name '^Quorbals$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
        if [ "${WIDTH:-}" = 273 ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
# until_true SECONDS COMMAND...: runs the command every tenth of a second until
# it succeeds; fails when it has not within the given time.
until_true() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
window_is_main() {
    window=$(main_window)
}
window=
until_true 30 window_is_main ||
    { show_game_log; fail "the window titled Quorbals did not come up 273 pixels wide"; }
# The first activation places the window again once its frame is known:
# clicks go in only once it is active and stands still.
xdotool windowactivate --sync "$window" >/dev/null 2>&1
last_geometry=
geometry_settled() {
    local now
    now=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ] && [ "$now" = "$last_geometry" ] &&
        return 0
    last_geometry=$now
    return 1
}
until_true 20 geometry_settled ||
    { show_game_log; fail "the main window never became active and stood still"; }
eval "$(xdotool getwindowgeometry --shell "$window")"
main_height=$HEIGHT
note "the main window came up ($WIDTH x $HEIGHT)"

# F1 opens the help at its first page.
xdotool windowactivate --sync "$window" >/dev/null 2>&1
xdotool key --clearmodifiers F1
help_window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Quorbals Help$' 2>/dev/null |
    head -n1)
[ -n "$help_window" ] || { show_game_log; fail "F1 did not open the help window"; }
note "F1 opened the help window"

# The same title shows when the help file cannot be read, so follow a link:
# only a readable help file has links, and its second one leads to "How to
# play" (the first is the page itself).
xdotool windowactivate --sync "$help_window" >/dev/null 2>&1
xdotool key --clearmodifiers Tab Tab Return
page=$(timeout 10 xdotool search --sync --onlyvisible --name '^How to play - Quorbals Help$' \
    2>/dev/null | head -n1)
[ -n "$page" ] || { show_game_log; fail "the help file's pages could not be followed"; }
note "the help file's pages are readable"

# A release on a ball picks it up with a sound. The Desk lies 5 pixels into
# its panel, the panel under the 33 pixels of the score panel (sharing one
# line), all under the menu bar; cells are 29 pixels apart.
menu_height=$((main_height - 306))
sound_opened() {
    grep -rq '\.wav", O_RDONLY' "$trace"
}
if [ -n "$trace" ]; then
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    # Cell by cell until one click has opened a sound; the game may answer a
    # click a little later, so the last clicks' sound is waited for.
    for y in 0 1 2 3 4 5 6 7 8; do
        for x in 0 1 2 3 4 5 6 7 8; do
            xdotool mousemove --window "$window" $((5 + 29 * x + 15)) \
                $((menu_height + 32 + 5 + 29 * y + 15)) click 1
            sleep 0.05
            sound_opened && break 2
        done
    done
    until_true 10 sound_opened || { show_game_log; fail "no click on the Desk opened a sound"; }
fi

# Closing the main window ends the program, help window and all.
xdotool windowactivate --sync "$window" >/dev/null 2>&1
xdotool key --clearmodifiers alt+F4
for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && { show_game_log; fail "the game did not end when its window closed"; }
wait "$runner_pid"
status=$?
runner_pid=
game_pid=
[ "$status" = 0 ] || { show_game_log; fail "the game ended with status $status"; }
[ -d "$XDG_DATA_HOME/Quorbals" ] || fail "the game made no data folder in the user's data home"
note "closing the window ended the game"

# --- What the game read ----------------------------------------------------
if [ -n "$trace" ]; then
    # Opened for reading, successfully, from the program's folder.
    dir_pattern=$(printf '%s' "$program_dir" | sed 's/[]\/$*.^+?(){}|[]/\\&/g')
    opened() {
        grep -rqE "open(at)?\(.*\"$dir_pattern/$1\", O_RDONLY.*= [0-9]+$" "$trace"
    }
    opened 'libquorbals-help\.so' || fail "the help library was not loaded from usr/lib/quorbals"
    opened 'quorbals\.chm' || fail "the help file was not read from usr/lib/quorbals"
    opened '[a-z]+\.wav' || fail "the sounds were not read from usr/lib/quorbals"
    if grep -rhF "\"$build/" "$trace" | grep -E '= [0-9]+$' >&2; then
        fail "the installed game used files of the build folder"
    fi
    note "help library, help file and sounds came from usr/lib/quorbals"
fi

echo "PASS"
