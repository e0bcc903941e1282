#!/usr/bin/env bash
# A whole alarm by mouse and keyboard: reminder lines typed, a real wave file
# and a program chosen, an alarm text typed for the next minute and armed.
# It fires when due and not before: the wave plays (its sound captured), the
# program starts, "Awake yet ?" comes. Snooze; "Set !" again fires it again
# at the next check; awake: the reminders window shows the lines.
source "$(dirname "$0")/lib.sh"

files="$SHOTS/../journey-files"
mkdir -p "$files"
make_wave "$files/alarm.wav"
marker="$files/alarm-started.txt"
rm -f "$marker"
capture_sound "$files/alarm-sound.wav"
program="$(dos_path "$(dirname "$DRIVER_EXE")/WakeMarker.exe") $(dos_path "$marker")"

start_dawnbell
sleep 0.5
edt=$(alarm_text_index)
[ -n "$edt" ] || fail "no alarm text in the main window"
learn_date_format "$(driver gettext Dawnbell "$edt")"

set_wave_and_program "$files/alarm.wav" "$program"
memo=$(driver children Dawnbell | awk -F'\t' -v g="$(child_index Dawnbell Button "Reminders:")" '$1 > g && $2 == "Edit" { print $1; exit }')
click_child Dawnbell "$memo"
type_text "Take the keys"
xdotool key Return
type_text "Call the garage"
click_tab 0

# Leave time to type and arm before the minute turns.
[ "$(date +%-S)" -le 40 ] || sleep $(( 62 - $(date +%-S) ))
due=$(( $(date +%s) / 60 * 60 + 60 ))
text="$(date -d "@$due" +"$DATE_FMT %H:%M")"
click_child Dawnbell "$edt"
xdotool key Home shift+End
type_text "$text"
[ "$(driver gettext Dawnbell "$edt")" = "$text" ] || fail "the alarm text typed is '$(driver gettext Dawnbell "$edt")'"
click_child Dawnbell "$(child_index Dawnbell Button "Set !")"
driver wait "Alarm: $text" 3000 >/dev/null || fail "Set ! did not arm '$text'"
driver gone Warning 500 || fail "a warning came although sound and program are chosen"

driver wait "Awake yet ?" 90000 >/dev/null || fail "the alarm did not fire"
fired=$(date +%s)
[ "$fired" -ge "$due" ] || fail "the alarm fired $(( due - fired )) s early"
[ "$fired" -le $(( due + 6 )) ] || fail "the alarm fired $(( fired - due )) s late"
for _ in $(seq 50); do has_sound "$files/alarm-sound.wav" && break; sleep 0.1; done
has_sound "$files/alarm-sound.wav" || fail "no sound was played"
for _ in $(seq 50); do [ -s "$marker" ] && break; sleep 0.1; done
[ "$(cat "$marker" 2>/dev/null)" = started ] || fail "the program did not start"
screenshot alarm_on_time_question

rect_of "Awake yet ?" -
xdotool mousemove $(( RX + RW / 2 )) $(( RY + RH / 2 ))
click_child "Awake yet ?" "$(child_index "Awake yet ?" Button "Let me snooze, dammit !")"
driver gone "Awake yet ?" 5000 || fail "snooze did not close the question"
driver wait "Alarm: $text" 3000 >/dev/null || fail "snoozing changed the caption"

# "Set !" again: watching again, and the alarm is still due.
click_child "Alarm: $text" "$(child_index "Alarm: $text" Button "Set !")"
driver wait "Awake yet ?" 10000 >/dev/null || fail "Set ! after snoozing did not fire again"
[ "$(grep -c started "$marker")" = 2 ] || fail "the program did not start again"
click_child "Awake yet ?" "$(child_index "Awake yet ?" Button "OK, OK, I'm awake already !")"
driver wait Reminders 5000 >/dev/null || fail "no reminders window after awake"
lines=$(driver gettext Reminders "$(child_index Reminders Edit)" | tr -d '\r')
[ "$lines" = $'Take the keys\nCall the garage' ] || fail "the reminders window shows '$lines'"
driver wait Dawnbell 3000 >/dev/null || fail "awake did not return the main window to idle"
screenshot alarm_on_time_reminders

driver close Reminders || fail "could not close the reminders window"
driver close Dawnbell || fail "could not close"
expect_exit 0
echo "alarm_on_time: ok"
