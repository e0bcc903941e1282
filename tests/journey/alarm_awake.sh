#!/usr/bin/env bash
# Arm a typed alarm text and cancel it; arm the first alarm text (today,
# this minute), let it fire and answer awake: the main window is idle
# again, and with it idle, closing asks nothing.
source "$(dirname "$0")/lib.sh"

start_dawnbell
line=$(driver children Dawnbell | awk -F'\t' '$2 == "Edit" && $3 ~ / [0-9][0-9]:[0-9][0-9]$/ { print $1 "\t" $3; exit }')
index=${line%%$'\t'*}
text=${line#*$'\t'}
[ -n "$line" ] || fail "no alarm text in the main window"

# A text typed in the box is what Set arms: late tonight, so that it cannot
# fire before Cancel comes (skipped in the program's last hour of the day).
hour=${text: -5:2}
if [ "$hour" -lt 23 ]; then
  later="${text% *} 23:59"
  driver settext Dawnbell "$index" "$later" || fail "could not type the alarm text"
  driver click Dawnbell "Set !" || fail "no Set button"
  driver wait Warning 5000 >/dev/null || fail "no warning about the missing sound"
  driver click Warning OK || fail "could not answer the warning"
  driver wait "Alarm: $later" 3000 >/dev/null || fail "the caption did not become 'Alarm: $later'"
  driver click "Alarm: $later" "Cancel" || fail "no Cancel button while armed"
  driver wait Dawnbell 3000 >/dev/null || fail "Cancel did not return the caption"
  [ "$(driver apptitle -)" = "Dawnbell" ] || fail "Cancel did not return the application title"
  [ "$(driver gettext Dawnbell "$index")" = "$later" ] || fail "Cancel changed the alarm text"
  driver settext Dawnbell "$index" "$text" || fail "could not type the alarm text back"
fi

# The first text: due at once, so the first check fires it.
driver click Dawnbell "Set !" || fail "no Set button"
driver wait Warning 5000 >/dev/null || fail "no warning the second time"
driver click Warning OK || fail "could not answer the warning"
driver wait "Awake yet ?" 10000 >/dev/null || fail "the alarm did not fire"
driver click "Awake yet ?" "OK, OK, I'm awake already !" || fail "no awake button"
driver gone "Awake yet ?" 5000 || fail "the question stayed open"
driver wait Dawnbell 3000 >/dev/null || fail "awake did not return the main window to idle"
[ "$(driver apptitle -)" = "Dawnbell" ] || fail "awake did not return the application title"
[ "$(driver gettext Dawnbell "$index")" = "$text" ] || fail "the alarm text did not stay after the alarm ended"
screenshot alarm_awake_idle

# No reminder lines: no reminders window.
driver gone Reminders 500 || fail "reminders shown without any line"
driver close Dawnbell || fail "could not close"
expect_exit 0
echo "alarm_awake: ok"
