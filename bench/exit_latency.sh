#!/bin/bash
# Time from an ending key press to the saver process's exit, five times.
# Run inside a build's Wine environment on its display:
#   build/win64/wine-run --env bash bench/exit_latency.sh build/win64/Vorlunda.scr
set -u
scr=${1:?path of Vorlunda.scr}
: "${WINE:=$(dirname "$scr")/wine-run}"
readonly kRuns=5

saver_window_open() { xdotool search --onlyvisible --classname vorlunda.scr >/dev/null 2>&1; }

for run in $(seq "$kRuns"); do
  "$WINE" "$scr" /s </dev/null >/dev/null 2>&1 &
  pid=$!
  until saver_window_open; do sleep 0.05; done
  # Well past the grace period, with drawing under way.
  sleep 3
  pressed=$(date +%s%N)
  xdotool key a
  wait "$pid"
  ended=$(date +%s%N)
  echo "run $run: $(( (ended - pressed) / 1000000 )) ms from key press to exit"
done
