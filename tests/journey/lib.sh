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

driver() { "$WINE" "$DRIVER_EXE" "$@" 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# Starts Dawnbell and waits for its main window; starts it again when it
# ended without ever showing the window (Wine's desktop was restarting).
start_dawnbell() {
  local attempt
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
