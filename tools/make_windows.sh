#!/bin/sh
# Cross-builds the Windows game into build-win/ and packages it:
#   build-win/quorbals-2.1-win64.zip   the program, its help, sounds, licence, read-me
#   build-win/quorbals-2.1-setup.exe   the NSIS installer of the same files
#
#   tools/make_windows.sh [--no-build]
# --no-build packages what build-win/ already holds.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/build-win
version=2.1

if [ "${1:-}" != "--no-build" ]; then
    cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DQUORBALS_WERROR=ON
    cmake --build "$build" -j2 --target quorbals quorbals-sim
fi
[ -f "$build/quorbals.exe" ] || { echo "make_windows.sh: no $build/quorbals.exe" >&2; exit 1; }
for tool in makensis x86_64-w64-mingw32-strip python3; do
    command -v "$tool" >/dev/null || { echo "make_windows.sh: $tool is missing" >&2; exit 1; }
done

# The files as they lie in the installed folder; the zip holds them in a
# folder "Quorbals".
stage=$build/package/Quorbals
rm -rf "$build/package"
mkdir -p "$stage"
x86_64-w64-mingw32-strip -o "$stage/quorbals.exe" "$build/quorbals.exe"
cp assets/quorbals.chm "$stage/"
# The wave files as the game lists them (game/sound_files.h), and the same
# list for the installer's script.
sounds=$(sed -n 's/^ *"\([a-z]*\.wav\)",$/\1/p' game/sound_files.h)
[ "$(echo $sounds | wc -w)" -eq 5 ] ||
    { echo "make_windows.sh: game/sound_files.h lists no five wave files" >&2; exit 1; }
: >"$build/package/sounds.nsh"
for sound in $sounds; do
    cp "assets/sounds/$sound" "$stage/"
    printf '  !insertmacro ${ACTION} "%s"\n' "$sound" >>"$build/package/sounds.nsh"
done
# Notepad of older Windows shows text only with CRLF line ends.
sed 's/\r*$/\r/' LICENSE >"$stage/LICENSE.txt"
sed 's/\r*$/\r/' tools/windows/README.txt >"$stage/README.txt"

zip_file=$build/quorbals-$version-win64.zip
rm -f "$zip_file"
python3 - "$build/package" "$zip_file" <<'PY'
import os, sys, zipfile
top, out = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for name in sorted(os.listdir(os.path.join(top, "Quorbals"))):
        z.write(os.path.join(top, "Quorbals", name), "Quorbals/" + name)
PY

setup=$build/quorbals-$version-setup.exe
makensis -V2 -NOCD -DSTAGE="$stage" -DSOUNDS="$build/package/sounds.nsh" -DOUTFILE="$setup" -DICON="$root/assets/win32/quorbals.ico" \
    tools/windows/quorbals.nsi
echo "made $zip_file"
echo "made $setup"
