#!/usr/bin/env bash
# Ctrl+C in a text box copies and leaves the alarm armed. A daily alarm is
# armed; on the Properties page a reminder line is typed, selected and
# copied with Ctrl+C, then pasted with Ctrl+V: the alarm stays armed and the
# line is there twice. In the read-only summary box Ctrl+C is Alarm, Cancel
# again.
source "$(dirname "$0")/lib.sh"

start_dawnbell
sleep 0.5
click_child Dawnbell "$(child_index Dawnbell Button "Use Daily")"
edt=$(alarm_text_index)
text=$(driver gettext Dawnbell "$edt")
click_child Dawnbell "$(child_index Dawnbell Button "Set !")"
driver wait Warning 5000 >/dev/null || fail "no warning about the missing sound"
driver click Warning OK || fail "could not answer the warning"
driver wait "Daily Alarm: $text" 3000 >/dev/null || fail "Set ! did not arm the daily alarm '$text'"
title="Daily Alarm: $text"

tabs=$(child_index "$title" SysTabControl32)
read -r RX RY RW RH <<<"$(driver tab "$title" "$tabs" 1)"
click_at $(( RX + RW / 2 )) $(( RY + RH / 2 ))
memo=$(driver children "$title" | awk -F'\t' -v g="$(child_index "$title" Button "Reminders:")" '$1 > g && $2 == "Edit" { print $1; exit }')
click_child "$title" "$memo"
type_text "Take the keys"
xdotool key shift+Home ctrl+c
sleep 0.4
driver wait "$title" 500 >/dev/null || fail "Ctrl+C in the reminders cancelled the alarm"
xdotool key End ctrl+v
sleep 0.4
[ "$(driver gettext "$title" "$memo" | tr -d '\r')" = "Take the keysTake the keys" ] ||
  fail "Ctrl+C did not copy the line: the memo holds '$(driver gettext "$title" "$memo")'"
screenshot copy_keeps_the_alarm

# In the read-only summary Ctrl+C cancels, as the menu says.
summary=$(driver children "$title" | awk -F'\t' '$2 == "Edit" && $3 ~ /^(Alarm uses|Silent Alarm:)/ { print $1; exit }')
[ -n "$summary" ] || fail "no summary box"
click_child "$title" "$summary"
xdotool key ctrl+c
driver wait Dawnbell 3000 >/dev/null || fail "Ctrl+C outside a text box did not cancel the alarm"
driver close Dawnbell || fail "could not close"
expect_exit 0
echo "copy_keeps_the_alarm: ok"
