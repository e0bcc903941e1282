#!/usr/bin/env bash
# The Properties page by mouse and keyboard: tick "Use .wav" and choose a
# real wave file in the file dialog by typing its name; tick "Use .exe" and
# type a program's command line; the summary reads "Alarm uses  .Wav .EXE",
# and Run starts the program.
source "$(dirname "$0")/lib.sh"

files="$SHOTS/../journey-files"
mkdir -p "$files"
make_wave "$files/rooster.wav"
marker="$files/properties-run.txt"
rm -f "$marker"
program="$(dos_path "$(dirname "$DRIVER_EXE")/WakeMarker.exe") $(dos_path "$marker")"

start_dawnbell
sleep 0.5
[ "$(summary_text)" = "Silent Alarm:  No Properties Set." ] || fail "the first summary reads '$(summary_text)'"
set_wave_and_program "$files/rooster.wav" "$program"
[ "$(summary_text)" = "Alarm uses  .Wav .EXE" ] || fail "the summary reads '$(summary_text)'"
screenshot properties_by_mouse

# Run tries the program now.
click_child Dawnbell "$(driver children Dawnbell | awk -F'\t' -v g="$EXE_GROUP" '$1 > g && $2 == "Button" && $3 == "" { print $1; exit }')"
for _ in $(seq 50); do [ -s "$marker" ] && break; sleep 0.1; done
[ "$(cat "$marker" 2>/dev/null)" = started ] || fail "Run did not start the program"

driver close Dawnbell || fail "could not close"
expect_exit 0
echo "properties_by_mouse: ok"
