# shellcheck shell=sh
# The one environment set-up for everything that runs tests or programs under
# test (sourced, not run): tools/check.sh, tools/wine-run.sh, the install
# tests, the private X sessions and the benchmark scripts.
#
#   . tools/test-env.sh
#   quorbals_test_home DIR      HOME and the XDG folders into DIR (made here)
#   quorbals_wine_env PREFIX    Wine in PREFIX, quiet, its menu builder off
#   quorbals_home_still_empty DIR
#                               fails, listing what it finds, unless DIR is
#                               empty
#
# Tests never write into the home of whoever runs them. Programs write there
# unasked: Qt's file dialog its QtProject.conf, openbox its log, the sound
# client a runtime link, Wine's menu builder menus, icons and desktop entries
# (whatever WINEPREFIX says), and a browser its profile and caches. So every
# test points HOME and the XDG folders into a folder of its own.

quorbals_test_home() {
    _quorbals_home=${1:?quorbals_test_home needs a folder}
    mkdir -p "$_quorbals_home/config" "$_quorbals_home/data" "$_quorbals_home/cache" \
        "$_quorbals_home/state" "$_quorbals_home/runtime"
    chmod 700 "$_quorbals_home/runtime"
    HOME=$_quorbals_home
    XDG_CONFIG_HOME=$_quorbals_home/config
    XDG_DATA_HOME=$_quorbals_home/data
    XDG_CACHE_HOME=$_quorbals_home/cache
    XDG_STATE_HOME=$_quorbals_home/state
    XDG_RUNTIME_DIR=$_quorbals_home/runtime
    export HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME XDG_RUNTIME_DIR
    unset _quorbals_home
}

# Wine's menu builder (winemenubuilder.exe) is what writes into the user's
# XDG folders; Mono and Gecko would be fetched from the network.
quorbals_wine_env() {
    WINEPREFIX=${1:?quorbals_wine_env needs a prefix}
    WINEDEBUG=-all
    WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
    export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
}

quorbals_home_still_empty() {
    if [ -n "$(find "${1:?quorbals_home_still_empty needs a folder}" -mindepth 1 -print -quit)" ]; then
        echo "FAIL: something was written into the home folder $1:" >&2
        find "$1" -mindepth 1 | sed "s|^$1|  ~|" >&2
        return 1
    fi
}
