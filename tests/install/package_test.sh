#!/bin/bash
# Checks the Debian package that tools/make_deb.sh made in the build folder
# (tools/check.sh makes it before the tests run):
#   - the build it came from was compiled with Debian's hardening flags, as
#     dpkg-buildflags gives them (lintian sees the linker's flags in the
#     binaries, but no sign of _FORTIFY_SOURCE in a program whose calls all
#     pass the compiler's own checks);
#   - lintian, pedantic tags included, finds no error and no warning;
#   - the unpacked package passes the install checks (install_test.sh --root):
#     the layout with /usr/games/quorbals, the metadata, the manual page and
#     the game itself, started through the link.
# Skipped when the build folder holds no package, or only one older than the
# game it was built with.
#
# Usage: package_test.sh <build folder> [cmake] [version]
set -u

build=$(cd "${1:?usage: package_test.sh <build folder> [cmake] [version]}" && pwd -P) || exit 1
cmake=${2:-cmake}
version=${3:-}
here=$(cd "$(dirname "$0")" && pwd -P)
source_dir=$(cd "$here/../.." && pwd -P)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
note() {
    echo "-- $*"
}

for tool in lintian dpkg-deb dpkg-buildflags; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (tools/setup-debian.sh installs it)"
        exit 77
    fi
done
shopt -s nullglob
debs=("$build"/quorbals_*.deb)
shopt -u nullglob
if [ ${#debs[@]} = 0 ]; then
    echo "SKIP: no package in $build (tools/make_deb.sh makes it)"
    exit 77
fi
[ ${#debs[@]} = 1 ] || fail "more than one package in $build: ${debs[*]}"
deb=${debs[0]}
if [ "$build/quorbals" -nt "$deb" ]; then
    echo "SKIP: $deb is older than the game in $build (tools/make_deb.sh makes it again)"
    exit 77
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quorbals-package.XXXXXX") || fail "no temporary folder"
# lintian and the install checks under a home of their own.
. "$source_dir/tools/test-env.sh"
quorbals_test_home "$tmp/home"
trap 'rm -rf "$tmp"' EXIT
trap 'exit 1' INT TERM HUP

# --- Hardening flags ----------------------------------------------------------
# Each flag that dpkg-buildflags gives the preprocessor and the C++ compiler,
# in the game's compile command; make_deb.sh asks for them from the source
# folder, which the prefix map names.
[ -f "$build/compile_commands.json" ] || fail "$build has no compile_commands.json"
command=$(grep -F '"command"' "$build/compile_commands.json" | grep -F "$source_dir/app/qt/main.cpp" |
    head -n1)
[ -n "$command" ] || fail "compile_commands.json has no command for app/qt/main.cpp"
flags=$(cd "$source_dir" && export DEB_BUILD_MAINT_OPTIONS=hardening=+all &&
    dpkg-buildflags --get CPPFLAGS && dpkg-buildflags --get CXXFLAGS)
for flag in $flags; do
    case " $command " in
        *" $flag "*) ;;
        *) fail "the game was compiled without $flag: build it with tools/make_deb.sh" ;;
    esac
done
case $flags in
    *-D_FORTIFY_SOURCE=*) ;;
    *) fail "dpkg-buildflags gives no -D_FORTIFY_SOURCE: $flags" ;;
esac
note "the game was compiled with Debian's hardening flags"

# --- lintian -----------------------------------------------------------------
# Every tag shown; errors and warnings fail.
note "lintian -I -E --pedantic $(basename "$deb")"
lintian --no-cfg --color never -I -E --pedantic --show-overrides --fail-on error,warning "$deb" >"$tmp/lintian.log" 2>&1
status=$?
grep -v '^running with root privileges' "$tmp/lintian.log"
[ "$status" = 0 ] || fail "lintian failed (status $status)"
if grep -qE '^[EW]: ' "$tmp/lintian.log"; then
    fail "lintian reports errors or warnings"
fi
note "lintian finds no error and no warning"

# --- The unpacked package ----------------------------------------------------
dpkg-deb -x "$deb" "$tmp/root" || fail "dpkg-deb cannot unpack $deb"
"$here/install_test.sh" --root "$tmp/root" "$build" "$cmake" "$version" ||
    fail "the unpacked package fails the install checks"
echo "PASS"
