#!/bin/bash
# On a display of two heads of different sizes (Xephyr with Xinerama, on a
# virtual display of its own), each head draws groups of its own inside its
# own borders: both are lit, and the information line lies along the
# bottom of the first (primary) head alone. (The part of the screen on no head cannot be
# checked: Xinerama reads it back as whatever its buffer held.)
set -euo pipefail
# shellcheck source=SCRIPTDIR/support/x11.sh
source "$(dirname "$0")/support/x11.sh"
program=${VORLUNDA_X11:?the built program}
command -v Xephyr >/dev/null || fail "Xephyr is missing (Debian package xserver-xephyr)"
x11_start_display 1600x1200x24
host=$DISPLAY
fdfile="$X11_SCRATCH/xephyr.fd"
Xephyr -displayfd 3 +xinerama -screen 800x600+0+0 -screen 640x480+800+0 -ac -noreset -nolisten tcp \
  3>"$fdfile" >"$X11_SCRATCH/xephyr.log" 2>&1 &
X11_PIDS+=($!)
for (( i = 0; i < 100; i++ )); do
  [ -s "$fdfile" ] && break
  sleep 0.1
done
[ -s "$fdfile" ] || fail "Xephyr did not start: $(cat "$X11_SCRATCH/xephyr.log")"
DISPLAY=:$(head -n1 "$fdfile")
export DISPLAY
[ "$DISPLAY" != "$host" ] || fail "Xephyr took the host's display"

"$program" -root -info 2>"$X11_SCRATCH/stderr" &
saver=$!
X11_PIDS+=("$saver")
x11_wait_lit 2000 15 800x600+0+0 || fail "the first head drew nothing"
x11_wait_lit 2000 15 640x480+800+0 || fail "the second head drew nothing"
# Pixels of the information line's blue in a strip of two rows.
blue_in() {
  convert "$X11_SCRATCH/shot.png" -crop "$1" +repage -fill black +opaque '#0000ff' \
    -fill white -opaque '#0000ff' -colorspace gray -format '%[fx:round(mean*w*h)]' info:
}
x11_count_lit >/dev/null
[ "$(blue_in 100x2+650+597)" -eq 200 ] || fail "no information line along the first head"
[ "$(blue_in 100x2+1300+477)" -eq 0 ] || fail "an information line on the second head"
kill -TERM "$saver"
x11_wait_gone "$saver" 5 || fail "SIGTERM did not end the program"
wait "$saver" || fail "the program did not end with 0 on SIGTERM"
echo "PASS"
