#!/usr/bin/env bash
# Tick "Use Daily" with the mouse: the panel covers the calendar, its month
# caption and arrows, and the text is the time alone; untick: the calendar
# is back and the text is the date and time again.
source "$(dirname "$0")/lib.sh"

start_dawnbell
sleep 0.5
edt=$(alarm_text_index)
[ -n "$edt" ] || fail "no alarm text in the main window"
text=$(driver gettext Dawnbell "$edt")
learn_date_format "$text"
daily=$(child_index Dawnbell Button "Use Daily")
# Whether the daily panel (the blank panel over the calendar's place) shows.
# (Looked up each time: showing it changes the order of the children.)
panel_visible() {
  local i
  rect_of Dawnbell "$(child_index Dawnbell TCalendar)"
  local cal_x=$RX cal_y=$RY
  for i in $(driver children Dawnbell | awk -F'\t' '$2 ~ /TPanel$/ && $3 == "" { print $1 }'); do
    rect_of Dawnbell "$i"
    if [ "$RX" -le "$cal_x" ] && [ "$RY" -le "$cal_y" ] && [ "$RW" -ge 300 ]; then
      driver state Dawnbell "$i" | cut -c1
      return 0
    fi
  done
  fail "no panel over the calendar's place"
}
[ "$(panel_visible)" = 0 ] || fail "the daily panel shows before Use Daily is ticked"

click_child Dawnbell "$daily"
[ "$(driver state Dawnbell "$daily")" = "1 1 1" ] || fail "the click did not tick Use Daily"
[ "$(panel_visible)" = 1 ] || fail "the daily panel did not cover the calendar"
daily_text=$(driver gettext Dawnbell "$edt")
[ "$daily_text" = "${text#* }" ] || fail "the daily text is '$daily_text', expected the time '${text#* }' alone"
screenshot daily_by_mouse

click_child Dawnbell "$daily"
[ "$(driver state Dawnbell "$daily")" = "1 1 0" ] || fail "the second click did not untick Use Daily"
[ "$(panel_visible)" = 0 ] || fail "the daily panel stayed"
[ "$(driver gettext Dawnbell "$edt")" = "$text" ] || fail "unticking did not bring back '$text'"
screenshot daily_by_mouse_off

driver close Dawnbell || fail "could not close"
expect_exit 0
echo "daily_by_mouse: ok"
