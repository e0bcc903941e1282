#!/usr/bin/env bash
# Open Help > About from the keyboard (Alt+H, then A), see the about box,
# close it, and leave the program with the Exit shortcut Ctrl+Q.
source "$(dirname "$0")/lib.sh"

# Keys go to the window under the pointer (there is no window manager).
point_at_main() {
  local main
  main=$(xdotool search --onlyvisible --name '^Dawnbell$' | head -n 1)
  [ -n "$main" ] || fail "no X window for the main window"
  xdotool mousemove --window "$main" 200 400
  sleep 0.3
}

start_dawnbell
sleep 0.5
opened=""
for attempt in 1 2 3; do
  point_at_main
  xdotool key alt+h
  sleep 0.5
  [ "$attempt" = 1 ] && screenshot menu_help_open
  xdotool key a
  if driver wait "About Dawnbell" 3000 >/dev/null; then opened=yes; break; fi
  echo "attempt $attempt: no about box; trying again" >&2
  xdotool key Escape Escape
done
[ -n "$opened" ] || fail "Help > About showed no about box"
screenshot menu_about

driver close "About Dawnbell" || fail "could not close the about box"
driver gone "About Dawnbell" 5000 || fail "the about box stayed"
driver wait Dawnbell 2000 >/dev/null || fail "the main window went with the about box"

point_at_main
xdotool key ctrl+q
expect_exit 0
echo "menu_about: ok"
