#!/bin/bash
# The full-screen saver draws, ignores input during its grace period, and
# ends on a key or on mouse movement beyond its threshold.
set -u

source "$(dirname "$0")/support/saver.sh"

readonly kMinLitPixels=20000

# Draws over the whole screen and keeps drawing.
if start_saver; then
  sleep 4
  import -window root "$kArtefacts/fullscreen-1.png"
  # Longer than the pause after a finished group.
  sleep 4
  import -window root "$kArtefacts/fullscreen-2.png"
  # Either shot may fall just after a group cleared the screen or on a small
  # random fractal, so the brighter of the two must show real drawing.
  lit=$(lit_pixels "$kArtefacts/fullscreen-1.png")
  lit2=$(lit_pixels "$kArtefacts/fullscreen-2.png")
  [ "$lit2" -gt "$lit" ] && lit=$lit2
  [ "$lit" -ge "$kMinLitPixels" ] || fail "only $lit lit pixels after 4s and 8s"
  changed=$(compare -metric AE "$kArtefacts/fullscreen-1.png" "$kArtefacts/fullscreen-2.png" \
    null: 2>&1)
  [ "${changed%% *}" != 0 ] || fail "the picture did not change"
  echo "ok: drawing ($lit lit pixels, $changed changed)"
  xdotool key a
  expect_end 1 "key after the grace period"
fi

# A key within the grace period is ignored.
if start_saver; then
  xdotool key a
  sleep 1.5
  saver_window_open || fail "key within the grace period ended the saver"
  xdotool key b
  expect_end 1 "key within the grace period ignored, later key ends"
fi

# The anchor is the first movement after the grace; 4 pixels away is not enough.
if start_saver; then
  sleep 1.5
  xdotool mousemove 500 500
  sleep 0.5
  xdotool mousemove 502 502
  sleep 1
  saver_window_open || fail "a move of 4 pixels ended the saver"
  xdotool mousemove 503 502
  expect_end 1 "move of 5 pixels ends"
fi

finish_checks
