#!/usr/bin/env bash
# A wave path typed by hand, key by key: every key reaches the box and
# nothing is reported while typing; once typing pauses a path that cannot be
# opened is reported once, and a real wave file's path is not reported.
source "$(dirname "$0")/lib.sh"

files="$SHOTS/../journey-files"
mkdir -p "$files"
make_wave "$files/typed.wav"

# The error report is a message box captioned like the main window: the
# top "Dawnbell" window with an OK button. Waits up to $1 ms for it.
report_shown() {
  local waited=0
  while [ "$waited" -lt "$1" ]; do
    [ -n "$(child_index Dawnbell Button OK)" ] && return 0
    sleep 0.2; waited=$(( waited + 200 ))
  done
  return 1
}

start_dawnbell
click_tab 1
use_wav=$(child_index Dawnbell Button "Use .wav")
click_child Dawnbell "$use_wav"
[ "$(driver state Dawnbell "$use_wav")" = "1 1 1" ] || fail "the click did not tick Use .wav"
box=$(( $(child_index Dawnbell Button "Play .wav File:") + 1 ))

bad="$(dos_path "$files/missing.wav")"
click_child Dawnbell "$box"
xdotool type --delay 40 "$bad"
screenshot wave_path_typed_bad
[ "$(driver gettext Dawnbell "$box")" = "$bad" ] || fail "keys were lost: the box holds '$(driver gettext Dawnbell "$box")'"
report_shown 10000 || fail "a path that cannot be opened was not reported after the pause"
screenshot wave_path_typed_report
driver click Dawnbell OK || fail "could not answer the report"
! report_shown 3000 || fail "the path was reported more than once"

good="$(dos_path "$files/typed.wav")"
click_child Dawnbell "$box"
xdotool key Home shift+End BackSpace
xdotool type --delay 40 "$good"
[ "$(driver gettext Dawnbell "$box")" = "$good" ] || fail "keys were lost: the box holds '$(driver gettext Dawnbell "$box")'"
! report_shown 4000 || fail "a real wave file's path was reported"

driver close Dawnbell || fail "could not close"
expect_exit 0
echo "wave_path_typed: ok"
