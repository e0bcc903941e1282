#!/usr/bin/env bash
# Write two reminder lines, arm the first alarm text (today, this minute), let
# it fire and answer awake: the reminders window shows exactly those lines;
# closing it leaves the program running.
source "$(dirname "$0")/lib.sh"

start_dawnbell
driver setmemo Dawnbell 'Take the keys\nCall the garage' || fail "no reminders memo"
driver click Dawnbell "Set !" || fail "no Set button"
driver wait Warning 5000 >/dev/null || fail "no warning about the missing sound"
driver click Warning OK || fail "could not answer the warning"
driver wait "Awake yet ?" 10000 >/dev/null || fail "the alarm did not fire"
driver click "Awake yet ?" "OK, OK, I'm awake already !" || fail "no awake button"
driver wait Reminders 5000 >/dev/null || fail "no reminders window after awake"
screenshot alarm_reminders
memo=$(driver children Reminders | awk -F'\t' '$2 == "Edit" { print $1; exit }')
[ -n "$memo" ] || fail "the reminders window has no memo"
lines=$(driver gettext Reminders "$memo" | tr -d '\r')
[ "$lines" = $'Take the keys\nCall the garage' ] || fail "the reminders window shows '$lines'"
driver close Reminders || fail "could not close the reminders window"
driver gone Reminders 3000 || fail "the reminders window stayed"
driver wait Dawnbell 3000 >/dev/null || fail "closing the reminders window ended the program"
driver close Dawnbell || fail "could not close"
expect_exit 0
echo "alarm_reminders: ok"
