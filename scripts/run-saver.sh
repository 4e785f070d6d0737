#!/bin/bash
# Runs the screen saver full screen under Wine: on the current X display when
# there is one, otherwise on a virtual display with screenshots written to a
# folder for a while.
#   run-saver.sh [--seconds N] [--shots DIR]
# (or $VORLUNDA_SECONDS, default 30, and $VORLUNDA_SHOTS, default ./screenshots)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${VORLUNDA_SECONDS:-30}
shots=${VORLUNDA_SHOTS:-$PWD/screenshots}
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --shots) shots=$2; shift 2 ;;
    *) echo "usage: $0 [--seconds N] [--shots DIR]" >&2; exit 2 ;;
  esac
done
"$root/scripts/deps.sh"
"$root/scripts/build.sh" win64 vorlunda_scr >/dev/null
build="${VORLUNDA_BUILD_ROOT:-$root/build}/win64"
scr="$build/Vorlunda.scr"
# A prefix of its own, so a test run on the same build is never disturbed.
state="$build/saver-wine"
mkdir -p "$state"
export WINEPREFIX="$state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$wine" "$scr" /s
fi

mkdir -p "$shots"
display=""
for n in $(seq 150 190); do
  [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  kill -0 "$xvfb" 2>/dev/null && { display=":$n"; break; }
done
[ -n "$display" ] || { echo "no virtual display could be started" >&2; exit 1; }
export DISPLAY=$display
trap '/usr/lib/wine/wineserver -k 2>/dev/null; kill $xvfb 2>/dev/null || true' EXIT
[ -f "$WINEPREFIX/system.reg" ] || "$wine" wineboot -i >/dev/null 2>&1
# No window manager runs here; Wine would wait for one when the saver ends.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
echo "Running the saver on virtual display $display for $seconds s..."
"$wine" "$scr" /s &
saver=$!
step=$(( seconds < 5 ? (seconds < 1 ? 1 : seconds) : 5 ))
for (( t = step; t <= seconds; t += step )); do
  sleep "$step"
  kill -0 "$saver" 2>/dev/null || break
  import -window root "$shots/vorlunda-$(printf %03d "$t")s.png"
done
# Any key ends the saver once its grace period is over.
xdotool key space || true
for _ in $(seq 1 20); do kill -0 "$saver" 2>/dev/null || break; sleep 0.5; done
kill "$saver" 2>/dev/null || true
wait "$saver" 2>/dev/null || true
echo "Screenshots are in $shots"
