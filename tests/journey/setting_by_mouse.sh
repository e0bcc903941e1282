#!/usr/bin/env bash
# With the mouse alone: the first alarm text is today and the time now as
# HH:MM; picking a day on the calendar, dragging both sliders and clicking
# both month arrows each rewrite the text.
source "$(dirname "$0")/lib.sh"

before=$(date +%H:%M)
start_dawnbell
after=$(date +%H:%M)
sleep 0.5
edt=$(alarm_text_index)
[ -n "$edt" ] || fail "no alarm text in the main window"
text=$(driver gettext Dawnbell "$edt")
learn_date_format "$text"
[ "${text#* }" = "$before" ] || [ "${text#* }" = "$after" ] || fail "the first text '$text' does not show the time now"

hour_bar=$(driver children Dawnbell | awk -F'\t' '$2 ~ /TCalendar$/ { cal = 1 } cal && $2 == "msctls_trackbar32" { print $1; exit }')
minute_bar=$((hour_bar + 1))
expect_text() {  # yyyy-mm-dd
  local want got
  want="$(date -d "$1" +"$DATE_FMT") $(printf '%02d:%02d' "$(driver pos Dawnbell "$hour_bar")" "$(driver pos Dawnbell "$minute_bar")")"
  got=$(driver gettext Dawnbell "$edt")
  [ "$got" = "$want" ] || fail "$2: the text is '$got', expected '$want'"
}

# Pick the 15th (the 16th when today is the 15th) on this month's page: the
# grid has a row of day names, then weeks from Sunday.
day=15
[ "$(date +%-d)" = 15 ] && day=16
first=$(date -d "$(date +%Y-%m-01)" +%w)
cell=$(( first + day - 1 ))
cal=$(child_index Dawnbell TCalendar)
rect_of Dawnbell "$cal"
click_at $(( RX + RW * (cell % 7) / 7 + RW / 14 )) $(( RY + RH * (cell / 7 + 1) / 7 + RH / 14 ))
picked=$(date +%Y-%m-)$day
expect_text "$picked" "picking day $day"

# Drag the hour thumb left and the minute thumb right.
hour=$(driver pos Dawnbell "$hour_bar")
read -r tx ty tw th <<<"$(driver thumb Dawnbell "$hour_bar")"
if [ "$hour" -ge 6 ]; then dx=-45; else dx=45; fi
drag $(( tx + tw / 2 )) $(( ty + th / 2 )) $(( tx + tw / 2 + dx )) $(( ty + th / 2 ))
[ "$(driver pos Dawnbell "$hour_bar")" != "$hour" ] || fail "dragging the hour thumb did not move it"
expect_text "$picked" "dragging the hour"
minute=$(driver pos Dawnbell "$minute_bar")
read -r tx ty tw th <<<"$(driver thumb Dawnbell "$minute_bar")"
if [ "$minute" -le 40 ]; then dx=60; else dx=-60; fi
drag $(( tx + tw / 2 )) $(( ty + th / 2 )) $(( tx + tw / 2 + dx )) $(( ty + th / 2 ))
[ "$(driver pos Dawnbell "$minute_bar")" != "$minute" ] || fail "dragging the minute thumb did not move it"
expect_text "$picked" "dragging the minute"

# The lower arrow steps to the next month, the upper one back.
spin=$(child_index Dawnbell TSpinButton)
rect_of Dawnbell "$spin"
click_at $(( RX + RW / 2 )) $(( RY + RH * 3 / 4 ))
expect_text "$(date -d "$picked +1 month" +%Y-%m-%d)" "the next-month arrow"
caption=$(driver gettext Dawnbell "$(child_index Dawnbell TPanel "$(date -d "$picked +1 month" '+%-d %B, %Y')")")
[ -n "$caption" ] || fail "the month caption did not follow the next-month arrow"
screenshot setting_by_mouse_next_month
click_at $(( RX + RW / 2 )) $(( RY + RH / 4 ))
expect_text "$picked" "the previous-month arrow"
screenshot setting_by_mouse

driver close Dawnbell || fail "could not close"
expect_exit 0
echo "setting_by_mouse: ok"
