#!/bin/bash
# Time and peak memory of drawing a picture again from its record, against
# today's renderer drawing a group of the same scheme at the same size.
# Each record is made at 1920x1080, as a screen shot's would be.
#   bench/replay.sh <build directory with vorlunda-render> [scheme] [seed]
set -uo pipefail
build=${1:?build directory}
scheme=${2:-Intensity}
seed=${3:-7}
render=$build/vorlunda-render
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints "seconds peak-MiB" for one run of the command.
measure() {
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null 2>"$work/err" ||
    { echo "failed: $* ($(cat "$work/err"))" >&2; return 1; }
  awk '{ printf "%6.2f s %7.0f MiB", $1, $2 / 1024 }' "$work/time"
}

"$render" --defaults --scheme "$scheme" --seed "$seed" --size 1920x1080 -o "$work/shot.bmp" \
  --record "$work/shot.vorlunda" || exit 1
echo "scheme $scheme, seed $seed: $(grep -c '^fractal' "$work/shot.vorlunda") fractals"
printf '%-10s %-24s %-24s %-24s\n' size render "replay (bmp)" "replay (png)"
for size in 1920x1080 3840x2160 7680x4320; do
  printf '%-10s ' "$size"
  measure "$render" --defaults --scheme "$scheme" --seed "$seed" --size "$size" \
    -o "$work/render.bmp" || exit 1
  printf '     '
  measure "$render" --replay "$work/shot.vorlunda" --size "$size" -o "$work/replay.bmp" || exit 1
  printf '     '
  measure "$render" --replay "$work/shot.vorlunda" --size "$size" -o "$work/replay.png" || exit 1
  echo
done
