#!/usr/bin/env bash
# The alarm that never stays silent: "Use .wav" ticked with no wave file
# chosen, the alarm armed for this minute. At the first check the wave cannot
# play: its report comes, and Dawnbell's own sound rings (captured from the
# sound output) while the report and then "Awake yet ?" wait for an answer;
# the answer stops it.
source "$(dirname "$0")/lib.sh"

files="$SHOTS/../journey-files"
mkdir -p "$files"
sound="$files/builtin-sound.wav"
capture_sound "$sound"
size_of() { stat -c %s "$sound" 2>/dev/null || echo 0; }

start_dawnbell
text=$(driver children Dawnbell | awk -F'\t' '$2 == "Edit" && $3 ~ / [0-9][0-9]:[0-9][0-9]$/ { print $3; exit }')
[ -n "$text" ] || fail "no alarm text in the main window"
click_tab 1
use_wav=$(child_index Dawnbell Button "Use .wav")
click_child Dawnbell "$use_wav"
[ "$(driver state Dawnbell "$use_wav")" = "1 1 1" ] || fail "the click did not tick Use .wav"
[ "$(summary_text)" = "Alarm uses  .Wav" ] || fail "the summary reads '$(summary_text)'"

driver click Dawnbell "Set !" || fail "no Set button"
# The report carries the application's title, as the main window does; it
# is the one in front.
reported=""
for _ in $(seq 100); do
  driver children "Alarm: $text" | grep -q "No MCI device open" && { reported=yes; break; }
  sleep 0.1
done
[ -n "$reported" ] || fail "no report of the wave that cannot play"
for _ in $(seq 50); do has_sound "$sound" && break; sleep 0.1; done
has_sound "$sound" || fail "silent while the report waits for an answer"
screenshot alarm_builtin_sound_report
driver click "Alarm: $text" OK || fail "could not answer the report"

driver wait "Awake yet ?" 10000 >/dev/null || fail "the question did not come"
before=$(size_of)
sleep 1
[ "$(size_of)" -gt "$before" ] || fail "the sound stopped before the answer"
screenshot alarm_builtin_sound_question
driver click "Awake yet ?" "OK, OK, I'm awake already !" || fail "no awake button"
driver gone "Awake yet ?" 5000 || fail "the question stayed open"
sleep 1
after=$(size_of)
sleep 1
[ "$(size_of)" = "$after" ] || fail "still ringing after the answer"
driver wait Dawnbell 3000 >/dev/null || fail "awake did not end the alarm"
# What rang is Dawnbell's own sound, from its first sample.
python3 - "$sound" "$ROOT/res/sounds/AlarmSound.wav" <<'PY' || fail "the sound captured is not the built-in sound"
import sys
heard, own = (open(p, "rb").read() for p in sys.argv[1:])
heard = heard[heard.find(b"data") + 8:]
sys.exit(0 if heard.startswith(own[44:]) else 1)
PY

driver close Dawnbell || fail "could not close"
expect_exit 0
echo "alarm_builtin_sound: ok"
