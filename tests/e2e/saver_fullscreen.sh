#!/bin/bash
# The full-screen saver draws, ignores input during its grace period, and
# ends on a key or on mouse movement beyond its threshold.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"

readonly kMinLitPixels=20000

# Draws over the whole screen and keeps drawing.
if start_saver; then
  lit=$(await_drawing "$kArtefacts/fullscreen-1.png" "$kMinLitPixels") ||
    fail "only $lit lit pixels"
  # Longer than the pause after a finished group.
  changed=$(await_change "$kArtefacts/fullscreen-1.png" "$kArtefacts/fullscreen-2.png") ||
    fail "the picture did not change"
  echo "ok: drawing ($lit lit pixels, then $changed changed)"
  wait_past_grace
  xdotool key a
  expect_end 1 "key after the grace period"
fi

# A key within the grace period is ignored. The period runs from the
# saver's start, before its window shows, so on a busy machine the key can
# arrive after it: a saver that ignores the key once in three tries keeps
# the grace, one that never does has lost it.
for try in 1 2 3; do
  start_saver || break
  xdotool key a
  wait_past_grace
  if saver_window_open; then
    xdotool key b
    expect_end 1 "key within the grace period ignored, later key ends"
    break
  fi
  wait "$saver_pid" 2>/dev/null
  [ "$try" -lt 3 ] || fail "key within the grace period ended the saver, three times"
done

# The anchor is the first movement after the grace; 4 pixels away is not enough.
# The saver shows nothing of having taken an anchor, so each move is given
# time to arrive before the next.
if start_saver; then
  wait_past_grace
  xdotool mousemove --sync 500 500
  sleep 0.5
  xdotool mousemove --sync 502 502
  sleep 0.5
  saver_window_open || fail "a move of 4 pixels ended the saver"
  xdotool mousemove 503 502
  expect_end 1 "move of 5 pixels ends"
fi

finish_checks
