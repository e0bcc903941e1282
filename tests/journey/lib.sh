# Shared by the journey tests: runs the real Dawnbell.exe under Wine and
# drives it from outside. Arguments of every journey: Dawnbell.exe, the
# driver program, the screenshot folder.
set -u
DAWNBELL_EXE=$1
DRIVER_EXE=$2
SHOTS=$3
mkdir -p "$SHOTS"
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
if [ -z "${WINEPREFIX:-}" ] || [ -z "${WINE:-}" ] || [ -z "${DISPLAY:-}" ]; then
  BUILD=$(cd "$(dirname "$DAWNBELL_EXE")/.." && pwd)
  source "$ROOT/tools/wine-env.sh"
  ensure_display
  ensure_prefix
fi
export WINEDEBUG=-all
DAWNBELL_PID=""

fail() { echo "FAIL: $*" >&2; exit 1; }

# The driver's own complaints go to a log beside the screenshots. "wait" and
# "gone" fail only at their time limit: one that ends well before it ended
# for another reason (Wine could not start the driver, or it died), so it
# runs once more.
driver() {
  local rc start=$SECONDS
  "$WINE" "$DRIVER_EXE" "$@" 2>>"$SHOTS/driver-errors.log" | tr -d '\r'
  rc=${PIPESTATUS[0]}
  if [ "$rc" != 0 ] && { [ "$1" = wait ] || [ "$1" = gone ]; } &&
     (( (SECONDS - start) * 1000 + 1000 < ${3:-10000} )); then
    echo "driver $* ended early (exit code $rc); running it again" >&2
    "$WINE" "$DRIVER_EXE" "$@" 2>>"$SHOTS/driver-errors.log" | tr -d '\r'
    rc=${PIPESTATUS[0]}
  fi
  return "$rc"
}

# Starts Dawnbell and waits for its main window; starts it again when it
# ended without ever showing the window (Wine's desktop was restarting).
start_dawnbell() {
  local attempt
  # The pointer starts away from where the window comes: no tool tip from
  # wherever an earlier journey left it.
  xdotool mousemove 1 1 >/dev/null 2>&1
  for attempt in 1 2 3; do
    (cd "$(dirname "$DAWNBELL_EXE")" && exec "$WINE" "$(basename "$DAWNBELL_EXE")" "$@" </dev/null >/dev/null 2>&1) &
    DAWNBELL_PID=$!
    if driver wait Dawnbell 30000 >/dev/null; then return 0; fi
    if kill -0 "$DAWNBELL_PID" 2>/dev/null; then
      fail "Dawnbell runs but shows no main window"
    fi
    echo "launch $attempt ended without a window; starting again" >&2
  done
  fail "Dawnbell did not start"
}

screenshot() { import -display "$DISPLAY" -window root "$SHOTS/$1.png"; }

# Waits for Dawnbell to end and checks its exit code.
expect_exit() {
  local want=$1 rc=0
  for _ in $(seq 100); do kill -0 "$DAWNBELL_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$DAWNBELL_PID" 2>/dev/null && { kill "$DAWNBELL_PID"; fail "Dawnbell did not exit"; }
  wait "$DAWNBELL_PID" || rc=$?
  [ "$rc" = "$want" ] || fail "exit code $rc, expected $want"
}

# --- Real input from the X server, as a user's mouse and keyboard give it.
# (There is no window manager: keys go to the window under the pointer.)

# The index of the first child of a window whose class ends with $2 and,
# when $3 is given, whose text is $3.
child_index() {
  driver children "$1" | awk -F'\t' -v c="$2" -v t="${3-}" \
    'substr($2, length($2) - length(c) + 1) == c && (t == "" || $3 == t) { print $1; exit }'
}

# Sets RX RY RW RH to the screen rectangle of child $2 of window $1.
rect_of() {
  local r
  r=$(driver rect "$1" "$2") || fail "no rectangle for child $2 of '$1'"
  read -r RX RY RW RH <<<"$r"
}

click_at() {
  xdotool mousemove "$1" "$2" sleep 0.15 click 1
  sleep 0.4
}

# Clicks the middle of child $2 of window $1.
click_child() {
  rect_of "$1" "$2"
  click_at $(( RX + RW / 2 )) $(( RY + RH / 2 ))
}

# Presses the left button at ($1,$2), moves in steps to ($3,$4), releases.
drag() {
  local i steps=8
  xdotool mousemove "$1" "$2" sleep 0.15 mousedown 1 sleep 0.15
  for i in $(seq 1 $steps); do
    xdotool mousemove $(( $1 + ($3 - $1) * i / steps )) $(( $2 + ($4 - $2) * i / steps )) sleep 0.05
  done
  xdotool sleep 0.1 mouseup 1
  sleep 0.4
}

# Types text into the window under the pointer, key by key.
type_text() {
  xdotool type --delay 40 "$1"
  sleep 0.4
}

# The alarm text box of the main window (its text is a date and/or HH:MM).
alarm_text_index() {
  driver children Dawnbell | awk -F'\t' '$2 == "Edit" && $3 ~ /[0-9][0-9]:[0-9][0-9]$/ { print $1; exit }'
}

# Sets DATE_FMT to the date(1) format that writes today's date as the
# alarm text $1 starts (the locale's short date pattern).
learn_date_format() {
  local f
  for f in '%-m/%-d/%Y' '%-m/%-d/%y' '%m/%d/%Y' '%-d/%-m/%Y' '%d/%m/%Y' '%d.%m.%Y' '%-d.%-m.%Y' '%Y-%m-%d' '%d/%m/%y'; do
    if [ "${1% *}" = "$(date +"$f")" ]; then DATE_FMT=$f; return 0; fi
  done
  fail "the alarm text '$1' does not start with today's date"
}

# A file's name as the Windows program sees it (Wine's Z: drive is /).
dos_path() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }

# A one-second 440 Hz wave (8 kHz, 8-bit mono) at $1.
make_wave() {
  python3 - "$1" <<'PY'
import math, struct, sys
rate = 8000
data = bytes(int(128 + 90 * math.sin(2 * math.pi * 440 * i / rate)) for i in range(rate))
head = b"RIFF" + struct.pack("<I", 36 + len(data)) + b"WAVEfmt " + struct.pack("<IHHIIHH", 16, 1, 1, rate, rate, 1, 8)
open(sys.argv[1], "wb").write(head + b"data" + struct.pack("<I", len(data)) + data)
PY
}

# Sends everything Dawnbell plays into the wave file $1 (set before start_dawnbell).
capture_sound() {
  local file conf
  file=$(realpath -m "$1")
  conf="$file.alsa.conf"
  rm -f "$file"
  printf '</usr/share/alsa/alsa.conf>\npcm.!default {\n  type file\n  slave.pcm "null"\n  file "%s"\n  format "wav"\n}\n' "$file" >"$conf"
  export ALSA_CONFIG_PATH=$conf
}

# The tab of the main window's notebook whose index is $1, clicked.
click_tab() {
  local tabs r
  tabs=$(child_index Dawnbell SysTabControl32)
  r=$(driver tab Dawnbell "$tabs" "$1") || fail "no tab $1"
  read -r RX RY RW RH <<<"$r"
  click_at $(( RX + RW / 2 )) $(( RY + RH / 2 ))
}

# Chooses the file $2 in the "Find File" dialog opened by the Browse button
# that is child $1 of the main window: the name typed into the dialog, Enter.
choose_file() {
  click_child Dawnbell "$1"
  driver wait "Find File" 10000 >/dev/null || fail "Browse opened no file dialog"
  rect_of "Find File" -
  xdotool mousemove $(( RX + RW / 2 )) $(( RY + 12 ))
  sleep 0.5
  type_text "$2"
  xdotool key Return
  driver gone "Find File" 10000 || fail "the file dialog stayed open"
  sleep 0.5
}

# On the Properties page (shown first): ticks "Use .wav" and chooses the wave
# file $1 in the file dialog, then ticks "Use .exe" and types the command
# line $2. Sets EXE_GROUP to the index of the program's group.
set_wave_and_program() {
  local use_wav use_exe wav_group wav_browse
  click_tab 1
  use_wav=$(child_index Dawnbell Button "Use .wav")
  click_child Dawnbell "$use_wav"
  [ "$(driver state Dawnbell "$use_wav")" = "1 1 1" ] || fail "the click did not tick Use .wav"
  wav_group=$(child_index Dawnbell Button "Play .wav File:")
  wav_browse=$(driver children Dawnbell | awk -F'\t' -v g="$wav_group" '$1 > g && $3 == "Browse" { print $1; exit }')
  choose_file "$wav_browse" "$(dos_path "$1")"
  [ "$(driver gettext Dawnbell $((wav_group + 1)))" = "$(dos_path "$1")" ] || fail "the wave file's name is not in its box"
  driver gone Error 1000 || fail "choosing a real wave file showed an error"

  use_exe=$(child_index Dawnbell Button "Use .exe")
  click_child Dawnbell "$use_exe"
  [ "$(driver state Dawnbell "$use_exe")" = "1 1 1" ] || fail "the click did not tick Use .exe"
  EXE_GROUP=$(child_index Dawnbell Button "Run .exe:")
  click_child Dawnbell $((EXE_GROUP + 1))
  type_text "$2"
  [ "$(driver gettext Dawnbell $((EXE_GROUP + 1)))" = "$2" ] || fail "the command line typed is '$(driver gettext Dawnbell $((EXE_GROUP + 1)))'"
}

# The summary of the chosen actions under the alarm text.
summary_text() {
  driver children Dawnbell | awk -F'\t' '$2 == "Edit" && $3 ~ /^(Alarm uses|Silent Alarm:)/ { print $3; exit }'
}

# Whether the wave file $1 holds any sound that is not silence.
has_sound() {
  python3 - "$1" <<'PY'
import sys
try:
    data = open(sys.argv[1], "rb").read()
except OSError:
    sys.exit(1)
at = data.find(b"data")
body = data[at + 8:] if at >= 0 else b""
# 16-bit signed or 8-bit unsigned silence: all bytes 0x00, or all 0x80.
sys.exit(0 if body and len(set(body)) > 2 else 1)
PY
}
