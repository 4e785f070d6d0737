#!/bin/bash
# Starts (or stops) the virtual display and the Wine server that a test run
# shares, so each test program starts in a second rather than ten.
#   wine-display.sh start|stop STATE WINE_RUN
#   wine-display.sh start-heads|stop-heads STATE WINE_RUN WxH+X+Y...
# The second form gives Wine a display of several monitors ("heads"), each
# one a WxH+X+Y of the list, the first the primary.
set -u
action=$1 state=$2 wine_run=$3
shift 3
wineserver=/usr/lib/wine/wineserver
mkdir -p "$state"
export WINEPREFIX="$state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

start() {
  stop >/dev/null 2>&1
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    sleep 1
    if kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
      echo ":$n" >"$state/display"
      break
    fi
  done
  [ -f "$state/display" ] || { echo "no virtual display could be started" >&2; exit 1; }
  DISPLAY=$(cat "$state/display")
  export DISPLAY
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine_run" wineboot -i >"$state/wineboot.log" 2>&1
  fi
  # Xvfb runs no window manager, and Wine waits two seconds for one to
  # acknowledge each closing full-screen window unless it manages none.
  "$wine_run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >>"$state/wineboot.log" 2>&1
  # The server and the services it starts outlive this script. Started from
  # here with no output, they cannot hold a later test's pipes open, which
  # would leave the test runner waiting for the end of its output.
  "$wineserver" -p </dev/null >/dev/null 2>&1
  "$wine_run" cmd /c exit </dev/null >>"$state/wineboot.log" 2>&1
  echo "display $DISPLAY, prefix $WINEPREFIX"
}

stop() {
  "$wineserver" -k 2>/dev/null
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null
    rm -f "$state/xvfb.pid"
  fi
  rm -f "$state/display"
  return 0
}

# Xvfb shows one monitor. A nested Xephyr with Xinerama places each head
# where the list says, inside an Xvfb large enough to hold them all, and
# Wine, told not to ask RandR, takes its monitors from Xinerama, the first
# head the primary with its corner at Windows' origin. The outer display
# shows the heads as monitors would; Xephyr's own root reads back undefined
# pixels in the parts that no head covers, so only pictures the program takes
# itself show what was drawn there.
start_heads() {
  [ $# -gt 0 ] || { echo "no heads given" >&2; exit 2; }
  stop_heads >/dev/null 2>&1
  local head width=0 height=0 w h x y
  local -a screens=()
  for head in "$@"; do
    if ! [[ $head =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
      echo "a head is WxH+X+Y, not $head" >&2
      exit 2
    fi
    w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
    ((x + w > width)) && width=$((x + w))
    ((y + h > height)) && height=$((y + h))
    # The origin places the head in the X server's screen; the offset of
    # -screen only places its window on the outer display.
    screens+=(-origin "$x,$y" -screen "$head")
  done
  local outer="" inner="" n
  for n in $(seq 150 220); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    if [ -z "$outer" ]; then
      Xvfb ":$n" -screen 0 "${width}x${height}x24" -nolisten tcp >"$state/xvfb.log" 2>&1 &
      echo $! >"$state/xvfb.pid"
      wait_for_display ":$n" && outer=":$n"
    else
      DISPLAY=$outer Xephyr ":$n" +xinerama "${screens[@]}" -ac -nolisten tcp -noreset \
        >"$state/xephyr.log" 2>&1 &
      echo $! >"$state/xephyr.pid"
      wait_for_display ":$n" && inner=":$n" && break
    fi
  done
  [ -n "$inner" ] || { echo "no display of heads could be started" >&2; exit 1; }
  echo "$inner" >"$state/display"
  echo "$outer" >"$state/outer-display"
  export DISPLAY=$inner
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine_run" wineboot -i >"$state/wineboot.log" 2>&1
  fi
  "$wine_run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >>"$state/wineboot.log" 2>&1
  "$wine_run" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f \
    >>"$state/wineboot.log" 2>&1
  "$wineserver" -p </dev/null >/dev/null 2>&1
  "$wine_run" cmd /c exit </dev/null >>"$state/wineboot.log" 2>&1
  echo "display $DISPLAY (heads $*), prefix $WINEPREFIX"
}

# Waits up to ten seconds for an X server to answer.
wait_for_display() {
  local _
  for _ in $(seq 100); do
    xdpyinfo -display "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

stop_heads() {
  "$wineserver" -k 2>/dev/null
  local server
  for server in xephyr xvfb; do
    if [ -f "$state/$server.pid" ]; then
      kill "$(cat "$state/$server.pid")" 2>/dev/null
      rm -f "$state/$server.pid"
    fi
  done
  rm -f "$state/display" "$state/outer-display"
  return 0
}

case "$action" in
  start) start ;;
  stop) stop ;;
  start-heads) start_heads "$@" ;;
  stop-heads) stop_heads ;;
esac
