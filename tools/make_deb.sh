#!/bin/sh
# Builds the Debian package: configures and builds the project in build/ (or
# the folder given with -B) and runs `cpack -G DEB` there.
#
#   tools/make_deb.sh [-B folder] [--check] [--install-check] [-DNAME=VALUE ...]
#
#   --check          unpack the package into a temporary folder and run the
#                    install checks on it (layout, metadata, manual page, the
#                    game's window, help and sounds from the unpacked
#                    /usr/lib/quorbals). The test package_test (ctest -L
#                    install) does that too, and runs lintian.
#   --install-check  as root, and it changes this machine for a moment:
#                    `apt-get install` the package, run the same checks on the
#                    installed /usr, then `apt-get purge` it again (unless it
#                    was installed before).
#   -DNAME=VALUE     passed on to cmake when configuring.
set -eu

cd "$(dirname "$0")/.."
source_dir=$(pwd -P)

build=build
check=
install_check=
cmake_args=
while [ $# -gt 0 ]; do
    case $1 in
        -B) build=${2:?-B needs a folder}; shift 2 ;;
        --check) check=yes; shift ;;
        --install-check) install_check=yes; shift ;;
        -D*) cmake_args="$cmake_args $1"; shift ;;
        -h|--help) sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *) echo "make_deb.sh: unknown argument $1 (see --help)" >&2; exit 2 ;;
    esac
done

if [ -n "$install_check" ] && [ "$(id -u)" -ne 0 ]; then
    echo "make_deb.sh: --install-check installs the package and must run as root" >&2
    exit 2
fi

# Debian's hardening flags, as any package of the distribution is built with
# them (the preprocessor's go along with the compiler's: CMake has no
# CPPFLAGS).
export DEB_BUILD_MAINT_OPTIONS="${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}"
cppflags=$(dpkg-buildflags --get CPPFLAGS)
cflags="$(dpkg-buildflags --get CFLAGS) $cppflags"
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $cppflags"
ldflags=$(dpkg-buildflags --get LDFLAGS)

# shellcheck disable=SC2086
cmake -S "$source_dir" -B "$build" \
    "-DCMAKE_C_FLAGS=$cflags" "-DCMAKE_CXX_FLAGS=$cxxflags" \
    "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags" \
    $cmake_args
cmake --build "$build" -j"${JOBS:-2}"
build=$(cd "$build" && pwd -P)
rm -f "$build"/quorbals_*.deb
(cd "$build" && cpack -G DEB)

deb=$(ls "$build"/quorbals_*.deb)
version=$(dpkg-deb -f "$deb" Version)
echo
echo "Package: $deb"
dpkg-deb -I "$deb"

# The control fields a user and apt rely on.
field_is() {
    value=$(dpkg-deb -f "$deb" "$1")
    if [ "$value" != "$2" ]; then
        echo "FAIL: the package's $1 is \"$value\", not \"$2\"" >&2
        exit 1
    fi
}
field_is Package quorbals
field_is Section games
field_is Homepage https://quorbals.example.org/
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6gui6 libqt6widgets6 libqt6multimedia6 libchm1; do
    case ", $depends" in
        *", $needed "*|*", $needed,"*|*", $needed") ;;
        *) echo "FAIL: the package does not depend on $needed: $depends" >&2; exit 1 ;;
    esac
done
if dpkg-deb -c "$deb" | grep -F "$build" >/dev/null; then
    echo "FAIL: the package holds paths of the build folder" >&2
    exit 1
fi

unpacked=
installed_here=
cleanup() {
    if [ -n "$unpacked" ]; then
        rm -rf "$unpacked"
    fi
    if [ -n "$installed_here" ]; then
        # Purged, not only removed: nothing of it stays in dpkg's records.
        echo "-- removing the package again"
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -q quorbals
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

if [ -n "$check" ]; then
    unpacked=$(mktemp -d "${TMPDIR:-/tmp}/quorbals-deb.XXXXXX")
    dpkg-deb -x "$deb" "$unpacked"
    echo
    echo "-- checking the unpacked package"
    tests/install/install_test.sh --root "$unpacked" "$build" cmake "$version"
fi

if [ -n "$install_check" ]; then
    if ! dpkg-query -W -f='${Status}' quorbals 2>/dev/null | grep -q "ok installed"; then
        installed_here=yes
    fi
    echo
    echo "-- installing the package on this machine"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb"
    dpkg-query -W -f='${Package} ${Version} ${Status}\n' quorbals
    tests/install/install_test.sh --root / "$build" cmake "$version"
fi
