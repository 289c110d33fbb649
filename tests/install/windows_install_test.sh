#!/bin/bash
# The Windows installer under Wine, in a prefix of its own made for the run:
#   - "quorbals-2.1-setup.exe /S" installs the program, its help, sounds,
#     licence, read-me and uninstaller into Program Files\Quorbals, the
#     Start-menu link, and the uninstall entry in the 64-bit registry view
#     with its values;
#   - "Uninstall.exe /S" takes all of it away again.
#
# Usage: windows_install_test.sh <Windows build folder>
# Exits 77 (skipped) when the folder holds no installer: tools/make_windows.sh
# makes it.
set -u

build=$(cd "${1:?usage: windows_install_test.sh <Windows build folder>}" && pwd -P)
setup=$build/quorbals-2.1-setup.exe
if [ ! -f "$setup" ]; then
    echo "skipped: no $setup (tools/make_windows.sh makes it)"
    exit 77
fi
WINE=${QUORBALS_WINE:-/usr/lib/wine/wine64}
WINESERVER=${QUORBALS_WINESERVER:-/usr/lib/wine/wineserver}

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

work=$(mktemp -d)
. "$(dirname "$0")/../../tools/test-env.sh"
quorbals_wine_env "$work/prefix"
quorbals_test_home "$work/home"
cleanup() {
    "$WINESERVER" -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

"$WINE" wineboot -i </dev/null >/dev/null 2>&1
"$WINESERVER" -w

# reg_value NAME: the value's data under the uninstall key, as reg.exe prints
# it, from one reading of the whole key (read_key): a reg.exe started while
# the prefix is busy now and then prints nothing, so the key is read until it
# shows its last value rather than once per value.
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorbals'
key_text=
read_key() {
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        key_text=$("$WINE" reg query "$key" /reg:64 </dev/null 2>/dev/null | tr -d '\r')
        printf '%s\n' "$key_text" | grep -q '^ *EstimatedSize ' && return 0
    done
    return 1
}
reg_value() {
    printf '%s\n' "$key_text" |
        awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^  */, ""); print }'
}

# NSIS runs its uninstaller from a copy in the temporary folder and returns at
# once: everything is done when the prefix's server has no clients left.
"$WINE" reg query "$key" /reg:64 </dev/null >/dev/null 2>&1 &&
    fail "an uninstall key before the installer ran: the check below would prove nothing"
"$WINE" "$setup" /S </dev/null >/dev/null 2>&1 || fail "the installer exited with $?"
"$WINESERVER" -w

dir="$WINEPREFIX/drive_c/Program Files/Quorbals"
for f in quorbals.exe quorbals.chm add.wav end.wav move.wav remove.wav select.wav \
    LICENSE.txt README.txt Uninstall.exe; do
    [ -f "$dir/$f" ] || fail "no $f in Program Files\\Quorbals"
done
cmp -s "$dir/quorbals.chm" "$(dirname "$0")/../../assets/quorbals.chm" ||
    fail "the installed help file differs from assets/quorbals.chm"
grep -q $'\r$' "$dir/LICENSE.txt" || fail "LICENSE.txt has no CRLF line ends"
link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorbals.lnk"
[ -f "$link" ] || fail "no Start-menu link Quorbals.lnk for all users"

read_key || fail "the uninstall key could not be read whole"
[ "$(reg_value DisplayName)" = Quorbals ] || fail "DisplayName is '$(reg_value DisplayName)'"
[ "$(reg_value DisplayVersion)" = 2.1 ] || fail "DisplayVersion is '$(reg_value DisplayVersion)'"
[ "$(reg_value Publisher)" = "Vintra Games" ] || fail "Publisher is '$(reg_value Publisher)'"
[ "$(reg_value UninstallString)" = '"C:\Program Files\Quorbals\Uninstall.exe"' ] ||
    fail "UninstallString is '$(reg_value UninstallString)'"
[ "$(reg_value QuietUninstallString)" = '"C:\Program Files\Quorbals\Uninstall.exe" /S' ] ||
    fail "QuietUninstallString is '$(reg_value QuietUninstallString)'"
case $(reg_value DisplayIcon) in
*'\Quorbals\quorbals.exe",0') ;;
*) fail "DisplayIcon is '$(reg_value DisplayIcon)'" ;;
esac
[ "$(reg_value NoModify)" = 0x1 ] || fail "NoModify is '$(reg_value NoModify)'"
[ "$(reg_value NoRepair)" = 0x1 ] || fail "NoRepair is '$(reg_value NoRepair)'"
size=$(reg_value EstimatedSize)
[ -n "$size" ] && [ $((size)) -gt 50 ] || fail "EstimatedSize is '$size' (KiB)"

"$WINE" "C:\\Program Files\\Quorbals\\Uninstall.exe" /S </dev/null >/dev/null 2>&1 ||
    fail "the uninstaller exited with $?"
"$WINESERVER" -w
[ ! -e "$dir" ] || fail "Program Files\\Quorbals is still there: $(ls "$dir")"
[ ! -e "$link" ] || fail "the Start-menu link is still there"
if "$WINE" reg query "$key" /reg:64 </dev/null >/dev/null 2>&1; then
    fail "the uninstall key is still there"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed, checked and uninstalled under Wine"
