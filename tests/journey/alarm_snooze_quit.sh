#!/usr/bin/env bash
# Arm the alarm that the main window starts with (today, this minute), be
# warned that it has no sound, see it fire within the three-second watch,
# snooze; quit, and keep running when the question is cancelled; cancel the
# alarm and quit without a question.
source "$(dirname "$0")/lib.sh"

start_dawnbell
# The first alarm text: today's date, a blank, the time as HH:MM.
text=$(driver children Dawnbell | awk -F'\t' '$2 == "Edit" && $3 ~ / [0-9][0-9]:[0-9][0-9]$/ { print $3; exit }')
[ -n "$text" ] || fail "no alarm text in the main window"

driver click Dawnbell "Set !" || fail "no Set button"
driver wait "Alarm: $text" 5000 >/dev/null || fail "the caption did not become 'Alarm: $text'"
[ "$(driver apptitle -)" = "Alarm: $text" ] || fail "the application title did not follow the caption"
# Nothing chosen on the Properties page: the warning comes, the alarm stays armed.
driver wait Warning 5000 >/dev/null || fail "no warning about the missing sound"
screenshot alarm_warning
driver click Warning OK || fail "could not answer the warning"

driver wait "Awake yet ?" 10000 >/dev/null || fail "the alarm did not fire"
screenshot alarm_question
driver click "Awake yet ?" "Let me snooze, dammit !" || fail "no snooze button"
driver gone "Awake yet ?" 5000 || fail "the question stayed open"
driver wait "Alarm: $text" 3000 >/dev/null || fail "snoozing changed the caption"
# Snoozing shows no reminders.
driver gone Reminders 500 || fail "reminders after a snooze"

# Quitting while snoozing asks first; Cancel there keeps the program and the alarm.
driver close "Alarm: $text" || fail "could not close the main window"
driver wait Confirm 5000 >/dev/null || fail "quitting with an alarm set asked nothing"
screenshot alarm_quit_question
driver click Confirm Cancel || fail "no Cancel in the confirmation"
driver gone Confirm 5000 || fail "the confirmation stayed open"
driver wait "Alarm: $text" 3000 >/dev/null || fail "Cancel in the confirmation did not keep the alarm"

# The alarm's own Cancel disarms; quitting then asks nothing.
driver click "Alarm: $text" "Cancel" || fail "no Cancel button while snoozing"
driver wait Dawnbell 3000 >/dev/null || fail "Cancel did not return the caption"
driver close Dawnbell || fail "could not close the main window"
driver gone Confirm 1500 || fail "quitting while idle asked"
expect_exit 0
echo "alarm_snooze_quit: ok"
