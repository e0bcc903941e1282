#!/usr/bin/env bash
# Start Dawnbell, see its main window at its laid-out size, close it by its
# close box, and see the process end cleanly.
source "$(dirname "$0")/lib.sh"

start_dawnbell
size=$(driver client Dawnbell)
[ "$size" = "419 460" ] || fail "client size is '$size', expected 419 x 460"
[ "$(driver apptitle -)" = "Dawnbell" ] || fail "the application title is not Dawnbell"
screenshot start_and_close
driver close Dawnbell || fail "could not close"
expect_exit 0
echo "start_and_close: ok"
