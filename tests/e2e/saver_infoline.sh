#!/bin/bash
# With the information line switched on, a blue line at the bottom of the
# screen carries the figures of the fractal being drawn, in white.
set -u

source "$(dirname "$0")/support/saver.sh"

readonly kWidth=1920
readonly kHeight=1080
readonly kBottomRow=${kWidth}x1+0+$((kHeight - 1))
# Taller than the line, which is the system fixed font's height plus 2.
readonly kLineArea=${kWidth}x24+0+$((kHeight - 24))
readonly kAboveLine=${kWidth}x1+0+$((kHeight - 60))
readonly kMinTextPixels=150

store_configuration InfoLine=1
if start_saver; then
  texts=0
  previous=
  changes=0
  for shot in 1 2 3 4 5 6; do
    sleep 1.2
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
  done
  [ "$texts" -ge 3 ] || fail "the line held text in only $texts of 6 shots"
  [ "$changes" -ge 1 ] || fail "the figures never changed"
  echo "ok: information line ($texts of 6 shots with text, $changes changes)"
  xdotool key a
  expect_end 1 "ends on a key"
fi
forget_configuration
finish_checks
