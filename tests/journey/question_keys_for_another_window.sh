#!/usr/bin/env bash
# Keys typed for another window never answer "Awake yet ?". A silent alarm
# armed for this minute warns about its missing sound; while the warning is
# open the alarm fires and the question comes on top of it. Enter, Space and
# Escape typed the moment it appears (meant for the warning) leave both
# open; a moment later Enter answers the question as its default button:
# snooze.
source "$(dirname "$0")/lib.sh"

start_dawnbell
text=$(driver children Dawnbell | awk -F'\t' '$2 == "Edit" && $3 ~ / [0-9][0-9]:[0-9][0-9]$/ { print $3; exit }')
[ -n "$text" ] || fail "no alarm text in the main window"
driver click Dawnbell "Set !" || fail "no Set button"
driver wait Warning 5000 >/dev/null || fail "no warning about the missing sound"
# The user looks at the warning, the pointer on it.
rect_of Warning -
xdotool mousemove $(( RX + RW / 2 )) $(( RY + RH / 2 ))

driver wait "Awake yet ?" 10000 >/dev/null || fail "the alarm did not fire"
xdotool key Return space Escape
sleep 0.5
screenshot question_keys_early
driver wait "Awake yet ?" 100 >/dev/null || fail "a key meant for the warning answered the question"
driver wait Warning 100 >/dev/null || fail "the warning went away under the question"
driver wait "Alarm: $text" 100 >/dev/null || fail "the alarm is no longer armed"

# Past the first moment Enter is the question's again.
sleep 1
xdotool key Return
driver gone "Awake yet ?" 5000 || fail "Enter did not answer the question after its first moment"
driver wait "Alarm: $text" 3000 >/dev/null || fail "Enter did not snooze"
driver gone Reminders 500 || fail "reminders after a snooze"

driver click Warning OK || fail "could not answer the warning"
driver click "Alarm: $text" "Cancel" || fail "no Cancel button while snoozing"
driver wait Dawnbell 3000 >/dev/null || fail "Cancel did not return the caption"
driver close Dawnbell || fail "could not close the main window"
expect_exit 0
echo "question_keys_for_another_window: ok"
