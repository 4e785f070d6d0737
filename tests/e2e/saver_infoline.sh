#!/bin/bash
# With the information line switched on, a blue line at the bottom of the
# screen carries the figures of the fractal being drawn, in white.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"

readonly kWidth=1920
readonly kHeight=1080
readonly kBottomRow=${kWidth}x1+0+$((kHeight - 1))
# Taller than the line, which is the system fixed font's height plus 2.
readonly kLineArea=${kWidth}x24+0+$((kHeight - 24))
readonly kAboveLine=${kWidth}x1+0+$((kHeight - 60))
readonly kMinTextPixels=150

store_configuration InfoLine=1
line_shown() {
  import -window root "$kArtefacts/infoline-0.png" &&
    [ "$(count_colour "$kArtefacts/infoline-0.png" '#0000FF' "$kBottomRow")" -ge $((kWidth / 2)) ]
}
if start_saver; then
  wait_for line_shown || fail "no information line appeared"
  texts=0
  previous=
  changes=0
  shots=0
  # Until the line has shown text three times and its figures have changed.
  for shot in $(seq 40); do
    shots=$shot
    file=$kArtefacts/infoline-$shot.png
    import -window root "$file"
    blue=$(count_colour "$file" '#0000FF' "$kBottomRow")
    [ "$blue" -ge $((kWidth / 2)) ] || fail "shot $shot: only $blue blue pixels in the bottom row"
    above=$(count_colour "$file" '#0000FF' "$kAboveLine")
    [ "$above" -lt $((kWidth / 2)) ] || fail "shot $shot: the blue line is far too high"
    white=$(count_colour "$file" '#FFFFFF' "$kLineArea")
    # Blank for a moment at the start of each group.
    [ "$white" -ge "$kMinTextPixels" ] && texts=$((texts + 1))
    line=$(convert "$file" -crop "$kLineArea" +repage -format '%#' info:)
    [ -n "$previous" ] && [ "$line" != "$previous" ] && changes=$((changes + 1))
    previous=$line
    [ "$texts" -ge 3 ] && [ "$changes" -ge 1 ] && break
    sleep 0.2
  done
  [ "$texts" -ge 3 ] || fail "the line held text in only $texts of $shots shots"
  [ "$changes" -ge 1 ] || fail "the figures never changed in $shots shots"
  echo "ok: information line ($texts of $shots shots with text, $changes changes)"
  wait_past_grace
  xdotool key a
  expect_end 1 "ends on a key"
fi
forget_configuration
finish_checks
