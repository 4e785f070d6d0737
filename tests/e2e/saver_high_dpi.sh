#!/bin/bash
# At 144 dots per inch (150 %) the saver, aware of the screen's resolution,
# still covers and draws every physical pixel: the window spans the whole
# display and the information line runs along its true bottom edge.
set -u

source "$(dirname "$0")/support/saver.sh"

readonly kDesktopKey='HKCU\Control Panel\Desktop'

previous_dpi=$("$WINE" reg query "$kDesktopKey" /v LogPixels 2>/dev/null | tr -d '\r' |
  awk '/LogPixels/ { print $3 }')
restore_dpi() {
  if [ -n "$previous_dpi" ]; then
    "$WINE" reg add "$kDesktopKey" /v LogPixels /t REG_DWORD /d "$((previous_dpi))" /f
  else
    "$WINE" reg delete "$kDesktopKey" /v LogPixels /f
  fi >/dev/null 2>&1
  forget_configuration
}
trap restore_dpi EXIT
"$WINE" reg add "$kDesktopKey" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1

store_configuration InfoLine=1
root=$(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
if start_saver; then
  window=$(xdotool search --onlyvisible --classname vorlunda.scr | head -1)
  geometry=$(xwininfo -id "$window" |
    awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
         /Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h "+" x "+" y }')
  [ "$geometry" = "$root+0+0" ] || fail "the saver covers $geometry of a $root display"
  sleep 3
  shot=$kArtefacts/high-dpi.png
  import -window root "$shot"
  width=${root%x*} height=${root#*x}
  # The line is blue behind its text, so its right end is plain blue.
  corner=$(count_colour "$shot" '#0000FF' "40x1+$((width - 40))+$((height - 1))")
  [ "$corner" -eq 40 ] || fail "the information line misses the display's bottom right ($corner of 40 blue)"
  [ "$(lit_pixels "$shot")" -gt 1000 ] || fail "nothing drawn"
  stop_saver
  echo "ok: $geometry covered at 144 dpi"
fi

finish_checks
