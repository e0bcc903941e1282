#!/usr/bin/env bash
# The release package: builds it with scripts/package, checks its contents and
# checksum, unpacks it into a Wine prefix made for this test alone, starts
# Dawnbell from there, sees its main window and closes it with exit code 0.
#
#   tests/package/package_test.sh [build-folder]     (default: $BUILD, else build)
#
# The 32-bit package is always built and checked. When this machine cannot
# run 32-bit programs, the same script packages the 64-bit build of the same
# sources, and that package is the one started; the output says which.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(realpath -m "${1:-${BUILD:-$ROOT/build}}")
WORK="$BUILD/package-test"
cd "$ROOT"

fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$WORK"
mkdir -p "$WORK"

# Every line of the file ends in CR LF (and there is at least one line).
all_crlf() { [ -s "$1" ] && ! grep -q $'[^\r]$' "$1" && ! grep -q $'^$' "$1"; }

# Checks one package: the three files, the checksum, the program's kind and
# the text files' line ends. Unpacks it into $2.
check_package() {  # zip unpack-folder objdump-format
  local zip=$1 dest=$2 format=$3 names
  [ -f "$zip" ] || fail "no $zip"
  (cd "$(dirname "$zip")" && sha256sum --quiet -c "$(basename "$zip").sha256") ||
    fail "$(basename "$zip"): checksum does not match"
  names=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
  [ "$names" = "Dawnbell.exe dbhelp.txt readme.txt " ] || fail "$(basename "$zip") holds: $names"
  mkdir -p "$dest"
  unzip -q "$zip" -d "$dest" || fail "cannot unpack $zip"
  local header
  if [ "$format" = pei-i386 ]; then
    header=$(i686-w64-mingw32-objdump -f "$dest/Dawnbell.exe")
  else
    header=$(x86_64-w64-mingw32-objdump -f "$dest/Dawnbell.exe")
  fi
  grep -q "file format $format" <<<"$header" || fail "Dawnbell.exe is not $format"
  all_crlf "$dest/dbhelp.txt" || fail "dbhelp.txt has a line without CR LF"
  all_crlf "$dest/readme.txt" || fail "readme.txt has a line without CR LF"
  cmp -s <(tr -d '\r' <"$dest/dbhelp.txt") <(tr -d '\r' <res/dbhelp.txt) || fail "dbhelp.txt differs from res/dbhelp.txt"
  grep -q "Dawnbell" "$dest/readme.txt" && grep -qi "nothing is saved" "$dest/readme.txt" ||
    fail "readme.txt does not say what Dawnbell is and that nothing is saved"
  echo "$(basename "$zip"): Dawnbell.exe ($format), dbhelp.txt, readme.txt; checksum matches"
}

bash scripts/package --build "$BUILD" --out "$WORK/dist" >"$WORK/package-win32.log" 2>&1 ||
  { cat "$WORK/package-win32.log"; fail "scripts/package failed"; }
zip32=$(tail -1 "$WORK/package-win32.log")
[ "$(basename "$zip32")" = "Dawnbell-2.0-win32.zip" ] || fail "package named $(basename "$zip32")"
cmp -s "$BUILD/win32/Dawnbell.exe" <(unzip -p "$zip32" Dawnbell.exe) || fail "the zip's Dawnbell.exe is not the win32 build's"
check_package "$zip32" "$WORK/unpacked-win32" pei-i386

# The Wine that runs here decides which package can be started.
source tools/wine-env.sh
if [ "$DAWNBELL_WINE_ARCH" = win32 ]; then
  echo "starting the 32-bit package (32-bit Wine runs here)"
  run_dir="$WORK/unpacked-win32"
else
  echo "this machine cannot run 32-bit programs: starting the same package made from the 64-bit build"
  bash scripts/package --arch win64 --build "$BUILD" --out "$WORK/dist" >"$WORK/package-win64.log" 2>&1 ||
    { cat "$WORK/package-win64.log"; fail "scripts/package --arch win64 failed"; }
  check_package "$(tail -1 "$WORK/package-win64.log")" "$WORK/unpacked-win64" pei-x86-64
  run_dir="$WORK/unpacked-win64"
fi
cmake --build "$DAWNBELL_RUN_BUILD" -j 2 --target DawnbellDriver >/dev/null || fail "cannot build the driver"

# A new prefix, prepared as the Windows tests' own (no window manager here).
export WINEPREFIX="$WORK/prefix-$DAWNBELL_WINE_ARCH"
ensure_display
ensure_prefix
cleanup() {
  wineserver -k 2>/dev/null
  sleep 1
  rm -rf "$WINEPREFIX"
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
}
trap cleanup EXIT

source tests/journey/lib.sh "$run_dir/Dawnbell.exe" "$DAWNBELL_RUN_BUILD/tests/DawnbellDriver.exe" "$WORK/screenshots"
start_dawnbell
sleep 2  # let it finish painting before the picture
screenshot package
driver close Dawnbell || fail "could not close the main window"
expect_exit 0
echo "package: $(basename "$run_dir" | sed 's/unpacked-//') package started in a fresh prefix, main window shown, exit code 0"
