#!/usr/bin/env bash
# Copy Dawnbell.exe and its help text into a folder whose Windows path is 300
# characters long, start it from there, arm the first alarm text (due at
# once), let it fire and answer awake, then close it: everything works as
# from a short path.
source "$(dirname "$0")/lib.sh"

base=$(mktemp -d "${TMPDIR:-/tmp}/dawnbell-install.XXXXXX")
trap 'rm -rf "$base"' EXIT
folder=$base
n=1
# The Windows path is "Z:" followed by the Unix path with backslashes.
while [ $((2 + ${#folder} + 32 + 2)) -le 300 ]; do
  folder="$folder/Dawnbell long install folder $(printf %02d $n)"
  n=$((n + 1))
done
pad=$((300 - 2 - ${#folder} - 1))
folder="$folder/$(printf 'x%.0s' $(seq "$pad"))"
windows_folder="Z:${folder//\//\\}"
[ ${#windows_folder} -eq 300 ] || fail "the folder's Windows path has ${#windows_folder} characters, not 300"
mkdir -p "$folder" || fail "cannot make the long folder"
cp "$DAWNBELL_EXE" "$folder/Dawnbell.exe" || fail "cannot copy the program"
cp "$(dirname "$DAWNBELL_EXE")/dbhelp.txt" "$folder/dbhelp.txt" || fail "cannot copy the help text"
DAWNBELL_EXE="$folder/Dawnbell.exe"

start_dawnbell
[ "$(driver apptitle -)" = "Dawnbell" ] || fail "the application title is not Dawnbell"
driver click Dawnbell "Set !" || fail "no Set button"
driver wait Warning 5000 >/dev/null || fail "no warning about the missing sound"
driver click Warning OK || fail "could not answer the warning"
driver wait "Awake yet ?" 10000 >/dev/null || fail "the alarm did not fire"
driver click "Awake yet ?" "OK, OK, I'm awake already !" || fail "no awake button"
driver gone "Awake yet ?" 5000 || fail "the question stayed open"
driver wait Dawnbell 3000 >/dev/null || fail "awake did not return the main window to idle"
screenshot long_install_path
driver close Dawnbell || fail "could not close"
expect_exit 0
echo "long_install_path: ok (${#windows_folder}-character folder)"
