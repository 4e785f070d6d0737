#!/bin/bash
# At 144 dots per inch (150 %) the saver, aware of the screen's resolution,
# still covers and draws every physical pixel: the window spans the whole
# display and the information line runs along its true bottom edge.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"

finish() {
  restore_dpi
  forget_configuration
}
trap finish EXIT
set_dpi 144

store_configuration InfoLine=1
root=$(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
if start_saver; then
  window=$(xdotool search --onlyvisible --classname vorlunda.scr | head -1)
  geometry=$(xwininfo -id "$window" |
    awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
         /Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h "+" x "+" y }')
  [ "$geometry" = "$root+0+0" ] || fail "the saver covers $geometry of a $root display"
  shot=$kArtefacts/high-dpi.png
  width=${root%x*} height=${root#*x}
  # The line is blue behind its text, so its right end is plain blue.
  blue_corner() { count_colour "$shot" '#0000FF' "40x1+$((width - 40))+$((height - 1))"; }
  line_and_drawing() {
    import -window root "$shot" && [ "$(blue_corner)" -eq 40 ] && [ "$(lit_pixels "$shot")" -gt 1000 ]
  }
  if ! wait_for line_and_drawing; then
    [ "$(blue_corner)" -eq 40 ] ||
      fail "the information line misses the display's bottom right ($(blue_corner) of 40 blue)"
    [ "$(lit_pixels "$shot")" -gt 1000 ] || fail "nothing drawn"
  fi
  stop_saver
  echo "ok: $geometry covered at 144 dpi"
fi

finish_checks
