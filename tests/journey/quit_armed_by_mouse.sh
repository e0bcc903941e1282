#!/usr/bin/env bash
# Quit while an alarm is armed, by mouse and keyboard: the close box asks
# first; Cancel keeps the program and the alarm; Alt+F4 asks again, and OK
# ends the program with exit code 0.
source "$(dirname "$0")/lib.sh"

start_dawnbell
sleep 0.5
# Tomorrow (or any later day) at the time shown: it cannot fire meanwhile.
spin=$(child_index Dawnbell TSpinButton)
rect_of Dawnbell "$spin"
click_at $(( RX + RW / 2 )) $(( RY + RH * 3 / 4 ))   # the next month
text=$(driver gettext Dawnbell "$(alarm_text_index)")
click_child Dawnbell "$(child_index Dawnbell Button "Set !")"
driver wait Warning 5000 >/dev/null || fail "no warning about the missing sound"
click_child Warning "$(child_index Warning Button OK)"
driver gone Warning 3000 || fail "OK did not close the warning"
driver wait "Alarm: $text" 3000 >/dev/null || fail "Set ! did not arm '$text'"

# The close box at the right end of the caption.
rect_of "Alarm: $text" -
click_at $(( RX + RW - 12 )) $(( RY + 11 ))
driver wait Confirm 5000 >/dev/null || fail "the close box asked nothing while armed"
screenshot quit_armed_question
click_child Confirm "$(child_index Confirm Button Cancel)"
driver gone Confirm 3000 || fail "Cancel did not close the question"
driver wait "Alarm: $text" 3000 >/dev/null || fail "Cancel did not keep the armed alarm"
kill -0 "$DAWNBELL_PID" 2>/dev/null || fail "Cancel ended the program"

# Alt+F4 on the main window (keys go to the window under the pointer).
rect_of "Alarm: $text" -
xdotool mousemove $(( RX + RW / 2 )) $(( RY + 11 ))
sleep 0.3
xdotool key alt+F4
driver wait Confirm 5000 >/dev/null || fail "Alt+F4 asked nothing while armed"
click_child Confirm "$(child_index Confirm Button OK)"
expect_exit 0
screenshot quit_armed_gone
echo "quit_armed_by_mouse: ok"
