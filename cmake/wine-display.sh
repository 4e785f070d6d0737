#!/bin/bash
# Starts (or stops) the virtual display and the Wine server that a test run
# shares, so each test program starts in a second rather than ten.
set -u
action=$1 state=$2 wine_run=$3
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

case "$action" in
  start) start ;;
  stop) stop ;;
esac
