#!/usr/bin/env bash
# Every window at 96, 120, 144 and 192 pixels per inch, each in a copy of the
# test prefix set to that resolution, on a private screen large enough for
# the largest: the main window on both pages, the about box, the warning,
# "Awake yet ?", the reminders and the question before quitting, each measured from outside (every control
# inside its parent, no edit's text cut, no page over the tabs, every menu
# title whole) and kept as a screenshot.
source "$(dirname "$0")/lib.sh"

BASE_PREFIX=$WINEPREFIX
BUILD=$(dirname "$BASE_PREFIX")
source "$ROOT/tools/wine-env.sh"
export WINEPREFIX=$BASE_PREFIX
XVFB_SCREEN=2000x1500x24 start_private_xvfb || fail "no screen"
SCREEN_PID=$XVFB_PID
FAULTS=""
leave() {
  if [ -n "$DAWNBELL_PID" ] && kill -0 "$DAWNBELL_PID" 2>/dev/null; then kill "$DAWNBELL_PID" 2>/dev/null; fi
  wineserver -k 2>/dev/null
  [ -n "$SCREEN_PID" ] && kill "$SCREEN_PID" 2>/dev/null
}
trap leave EXIT

# Measures window $1 at resolution $2 and keeps its screenshot as $3.
check_window() {
  local found
  driver wait "$1" 10000 >/dev/null || fail "no window '$1' at $2 pixels per inch"
  sleep 0.5
  screenshot "$3"
  if ! found=$(driver check "$1"); then
    FAULTS="$FAULTS"$'\n'"$2 ppi, $1: ${found//$'\n'/; }"
  fi
}

for ppi in 96 120 144 192; do
  export WINEPREFIX="$BASE_PREFIX-ppi$ppi"
  if [ ! -f "$WINEPREFIX/.dawnbell-ready" ]; then
    ( export WINEPREFIX=$BASE_PREFIX; copy_prefix "$BASE_PREFIX-ppi$ppi" )
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$ppi" /f </dev/null >/dev/null 2>&1
    wineserver -k 2>/dev/null
  fi
  start_dawnbell
  check_window Dawnbell "$ppi" "dpi${ppi}_settings"
  click_tab 1
  check_window Dawnbell "$ppi" "dpi${ppi}_properties"
  click_tab 0

  # Help, About with the keyboard, over the main window.
  rect_of Dawnbell -
  xdotool mousemove $(( RX + RW / 2 )) $(( RY + RH / 2 ))
  xdotool key alt+h sleep 0.4 key a
  check_window "About Dawnbell" "$ppi" "dpi${ppi}_about"
  driver close "About Dawnbell"

  driver setmemo Dawnbell "Buy milk\nWater the plants"
  driver click Dawnbell "Set !" || fail "no Set button"
  check_window Warning "$ppi" "dpi${ppi}_warning"
  driver click Warning OK || fail "could not answer the warning"
  check_window "Awake yet ?" "$ppi" "dpi${ppi}_question"
  driver click "Awake yet ?" "OK, OK, I'm awake already !" || fail "no awake button"
  check_window Reminders "$ppi" "dpi${ppi}_reminders"
  driver close Reminders

  # Armed again, far ahead, closing asks first: the program's own message
  # dialog.
  driver wait Dawnbell 5000 >/dev/null || fail "awake did not bring the main window back"
  edt=$(alarm_text_index)
  text=$(driver gettext Dawnbell "$edt")
  learn_date_format "$text"
  driver settext Dawnbell "$edt" "$(date -d tomorrow +"$DATE_FMT") ${text#* }"
  driver click Dawnbell "Set !" || fail "no Set button"
  driver wait Warning 5000 >/dev/null || fail "no warning the second time"
  driver click Warning OK || fail "could not answer the warning"
  driver close "$(driver apptitle -)" || fail "could not close"
  check_window Confirm "$ppi" "dpi${ppi}_confirm"
  driver click Confirm OK || fail "no OK in the question"
  expect_exit 0
  wineserver -k 2>/dev/null
done
[ -z "$FAULTS" ] || fail "layout faults:$FAULTS"
echo "dpi_layout: ok (96, 120, 144, 192)"
