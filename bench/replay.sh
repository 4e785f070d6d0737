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

# Prints the wall-clock and processor seconds and the peak memory of one
# run; on a shared machine the processor time is the steadier figure.
measure() {
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >/dev/null 2>"$work/err" ||
    { echo "failed: $* ($(cat "$work/err"))" >&2; return 1; }
  awk '{ printf "%6.2f s (cpu %5.2f) %4.0f MiB", $1, $2 + $3, $4 / 1024 }' "$work/time"
}

"$render" --defaults --scheme "$scheme" --seed "$seed" --size 1920x1080 -o "$work/shot.bmp" \
  --record "$work/shot.vorlunda" || exit 1
echo "scheme $scheme, seed $seed: $(grep -c '^fractal' "$work/shot.vorlunda") fractals," \
  "$(awk '/^fractal/ { n += $4 } END { print n }' "$work/shot.vorlunda") points at 1920x1080"
printf '%-10s %-29s %-29s %-29s\n' size render "replay (bmp)" "replay (png)"
for size in 1920x1080 3840x2160 7680x4320; do
  printf '%-10s ' "$size"
  measure "$render" --defaults --scheme "$scheme" --seed "$seed" --size "$size" \
    -o "$work/render.bmp" || exit 1
  printf '  '
  measure "$render" --replay "$work/shot.vorlunda" --size "$size" -o "$work/replay.bmp" || exit 1
  printf '  '
  measure "$render" --replay "$work/shot.vorlunda" --size "$size" -o "$work/replay.png" || exit 1
  echo
done
