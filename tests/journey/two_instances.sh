#!/usr/bin/env bash
# Two Dawnbells at once: the second main window opens off the first one's
# place; both alarms ring at once and their "Awake yet ?" questions stand at
# different places, both on the screen, until each is answered.
source "$(dirname "$0")/lib.sh"

FIRST_PID="" SECOND_PID=""
leave() {
  for pid in $FIRST_PID $SECOND_PID; do kill "$pid" 2>/dev/null; done
}
trap leave EXIT

# Waits (bounded) until $2 windows titled $1 show; prints their places.
wait_windows() {
  local list
  for _ in $(seq 100); do
    list=$(driver windows "$1")
    if [ "$(printf '%s\n' "$list" | grep -c .)" -ge "$2" ]; then printf '%s\n' "$list"; return 0; fi
    sleep 0.2
  done
  fail "fewer than $2 windows titled '$1': $list"
}

start_dawnbell
FIRST_PID=$DAWNBELL_PID
(cd "$(dirname "$DAWNBELL_EXE")" && exec "$WINE" "$(basename "$DAWNBELL_EXE")" </dev/null >/dev/null 2>&1) &
SECOND_PID=$!
mains=$(wait_windows Dawnbell 2)
[ "$(echo "$mains" | cut -d' ' -f1-2 | sort -u | wc -l)" = 2 ] || fail "both main windows at one place: $mains"
screenshot two_instances_main

# Each instance arms its first alarm text, due now (the warning about no
# sound answered); the driver reaches the one still called Dawnbell.
for _ in 1 2; do
  driver click Dawnbell "Set !" || fail "no Set button"
  driver wait Warning 5000 >/dev/null || fail "no warning about the missing sound"
  driver click Warning OK || fail "could not answer the warning"
done
questions=$(wait_windows "Awake yet ?" 2)
[ "$(echo "$questions" | cut -d' ' -f1-2 | sort -u | wc -l)" = 2 ] || fail "both questions at one place: $questions"
screenshot two_instances_questions
for _ in 1 2; do
  driver click "Awake yet ?" "OK, OK, I'm awake already !" || fail "no awake button"
  sleep 0.5
done
driver gone "Awake yet ?" 5000 || fail "a question stayed open"

driver close Dawnbell || fail "could not close"
driver wait Dawnbell 1000 >/dev/null && sleep 0.5
driver close Dawnbell || fail "could not close the second"
for pid in $FIRST_PID $SECOND_PID; do
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "a Dawnbell did not exit"
done
FIRST_PID="" SECOND_PID=""
echo "two_instances: ok"
