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
click_tab 1
summary=$(driver children Dawnbell | awk -F'\t' '$3 ~ /^Silent Alarm:/ { print $1; exit }')
[ -n "$summary" ] || fail "no summary text"
[ "$(driver gettext Dawnbell "$summary")" = "Silent Alarm:  No Properties Set." ] || fail "the first summary is wrong"

use_wav=$(child_index Dawnbell Button "Use .wav")
click_child Dawnbell "$use_wav"
[ "$(driver state Dawnbell "$use_wav")" = "1 1 1" ] || fail "the click did not tick Use .wav"
wav_group=$(child_index Dawnbell Button "Play .wav File:")
wav_edit=$((wav_group + 1))
wav_browse=$(driver children Dawnbell | awk -F'\t' -v g="$wav_group" '$1 > g && $3 == "Browse" { print $1; exit }')
choose_file "$wav_browse" "$(dos_path "$files/rooster.wav")"
[ "$(driver gettext Dawnbell "$wav_edit")" = "$(dos_path "$files/rooster.wav")" ] || fail "the wave file's name is not in its box"
driver gone Error 1000 || fail "choosing a real wave file showed an error"
[ "$(driver gettext Dawnbell "$summary")" = "Alarm uses  .Wav" ] || fail "the summary did not name the wave"

use_exe=$(child_index Dawnbell Button "Use .exe")
click_child Dawnbell "$use_exe"
[ "$(driver state Dawnbell "$use_exe")" = "1 1 1" ] || fail "the click did not tick Use .exe"
exe_group=$(child_index Dawnbell Button "Run .exe:")
exe_edit=$((exe_group + 1))
click_child Dawnbell "$exe_edit"
type_text "$program"
[ "$(driver gettext Dawnbell "$exe_edit")" = "$program" ] || fail "the command line typed is '$(driver gettext Dawnbell "$exe_edit")'"
[ "$(driver gettext Dawnbell "$summary")" = "Alarm uses  .Wav .EXE" ] || fail "the summary reads '$(driver gettext Dawnbell "$summary")'"
screenshot properties_by_mouse

# Run tries the program now.
click_child Dawnbell "$(driver children Dawnbell | awk -F'\t' -v g="$exe_group" '$1 > g && $2 == "Button" && $3 == "" { print $1; exit }')"
for _ in $(seq 50); do [ -s "$marker" ] && break; sleep 0.1; done
[ "$(cat "$marker" 2>/dev/null)" = started ] || fail "Run did not start the program"

driver close Dawnbell || fail "could not close"
expect_exit 0
echo "properties_by_mouse: ok"
