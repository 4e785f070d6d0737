#!/bin/bash
# For the same seed the saver on an X display draws the same picture as the
# renderer (and so as the Windows saver): one group of a scheme from the
# configuration file, read back from the screen once it stands still,
# matches the renderer's file pixel for pixel, and comes back whole after
# another window covered it (an expose is answered from the saver's image).
set -euo pipefail
# shellcheck source=SCRIPTDIR/support/x11.sh
source "$(dirname "$0")/support/x11.sh"
program=${VORLUNDA_X11:?the built program}
render=${VORLUNDA_RENDER:?the built renderer}
# Ferns, left on the screen for a minute once drawn.
text="11,1,20,0.400000,60,Experimental,Ferns"
mkdir -p "$X11_SCRATCH/config/vorlunda"
printf 'HighestVersion = 12\n[Schemes]\nSlow ferns = %s\n' "$text" \
  >"$X11_SCRATCH/config/vorlunda/vorlunda.conf"
"$render" --scheme-text "$text" --seed 7 --size 640x480 --groups 1 -o "$X11_SCRATCH/rendered.bmp" ||
  fail "the renderer failed"

x11_start_display 640x480x24
XDG_CONFIG_HOME="$X11_SCRATCH/config" "$program" -root --seed 7 &
X11_PIDS+=($!)
# The group is finished once three shots a second apart are the same.
same=0
previous=""
for (( i = 0; i < 50 && same < 2; i++ )); do
  sleep 1
  import -window root "$X11_SCRATCH/now.png"
  sum=$(convert "$X11_SCRATCH/now.png" rgb:- | md5sum)
  if [ "$sum" = "$previous" ]; then same=$((same + 1)); else same=0; fi
  previous=$sum
done
[ "$same" -ge 2 ] || fail "the picture did not come to rest"
differing=$(compare -metric AE "$X11_SCRATCH/now.png" "$X11_SCRATCH/rendered.bmp" null: 2>&1) || true
[ "$differing" = "0" ] || fail "$differing pixels differ from the renderer's picture"

# Differing pixels between the screen now and the rendered picture.
differ_now() {
  import -window root "$X11_SCRATCH/now.png"
  compare -metric AE "$X11_SCRATCH/now.png" "$X11_SCRATCH/rendered.bmp" null: 2>&1 || true
}
"$program" -window --scheme Gasket 2>/dev/null &
cover=$!
X11_PIDS+=("$cover")
for (( i = 0; i < 60; i++ )); do
  [ "$(differ_now)" != "0" ] && break
  sleep 0.5
done
[ "$(differ_now)" != "0" ] || fail "the covering window never showed"
kill "$cover"
x11_wait_gone "$cover" 5 || fail "the covering window's program did not end"
for (( i = 0; i < 40; i++ )); do
  differing=$(differ_now)
  [ "$differing" = "0" ] && break
  sleep 0.25
done
[ "$differing" = "0" ] || fail "$differing pixels not restored after the cover went"
echo "PASS"
