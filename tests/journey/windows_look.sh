#!/usr/bin/env bash
# Start Dawnbell and look at the main window on both notebook pages: switch
# to "Properties" and back with real clicks on the tabs, keep a screenshot of
# each page (the whole screen and the window alone), and leave by the close
# box.
source "$(dirname "$0")/lib.sh"

# The main window's X window: Wine draws the frame itself (no window
# manager), so the X window is the whole window, frame included.
main_window() {
  local w
  w=$(xdotool search --onlyvisible --name '^Dawnbell$' | head -n 1)
  [ -n "$w" ] || fail "no X window for the main window"
  echo "$w"
}

# Clicks at a point of the main window's client area.
click_client() {
  local w=$1 x=$2 y=$3 width height border top
  eval "$(xdotool getwindowgeometry --shell "$w")"
  width=$WIDTH height=$HEIGHT
  border=$(( (width - 419) / 2 ))
  top=$(( height - 460 - border ))
  xdotool mousemove --window "$w" $(( border + x )) $(( top + y )) click 1
  # Move away, so that no tool tip covers the next screenshot.
  xdotool mousemove --window "$w" $(( border + 410 )) $(( top + 455 ))
  sleep 0.7
}

window_shot() { import -display "$DISPLAY" -window "$1" "$SHOTS/$2.png"; }

# The pages' area of the notebook (below the tabs, which may show the focus):
# how many pixels differ there between two window shots.
notebook_difference() {
  local crop="[393x277+$(( border_x + 12 ))+$(( top_y + 144 ))]"
  compare -metric AE "$SHOTS/$1.png$crop" "$SHOTS/$2.png$crop" null: 2>&1 || true
}

# A failed check leaves no Dawnbell behind.
leave() {
  if [ -n "$DAWNBELL_PID" ] && kill -0 "$DAWNBELL_PID" 2>/dev/null; then
    driver close Dawnbell >/dev/null 2>&1
    sleep 1
    kill "$DAWNBELL_PID" 2>/dev/null
  fi
}
trap leave EXIT

start_dawnbell
sleep 0.5
[ "$(driver client Dawnbell)" = "419 460" ] || fail "the main window's client area is not 419 x 460"
w=$(main_window)
eval "$(xdotool getwindowgeometry --shell "$w")"
border_x=$(( (WIDTH - 419) / 2 ))
top_y=$(( HEIGHT - 460 - border_x ))

screenshot windows_look_settings_screen
window_shot "$w" windows_look_settings

# The tabs sit along the notebook's top edge (the notebook at 8, 120);
# "Properties" is the second tab.
click_client "$w" 120 130
screenshot windows_look_properties_screen
window_shot "$w" windows_look_properties
changed=$(notebook_difference windows_look_settings windows_look_properties)
[ "${changed:-0}" -gt 1000 ] || fail "the Properties tab did not show its page ($changed pixels changed)"

click_client "$w" 40 130
window_shot "$w" windows_look_settings_again
back=$(notebook_difference windows_look_settings windows_look_settings_again)
[ "${back:-1}" -lt 50 ] || fail "the Alarm Settings tab did not bring its page back ($back pixels differ)"

driver close Dawnbell || fail "could not close"
expect_exit 0
echo "windows_look: ok"
