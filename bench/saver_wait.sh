#!/bin/bash
# Runs the saver benchmark's wait measurement under the build's Wine and adds
# what the Wine server spent meanwhile: a busy loop's message passes cost
# processor time there too, which the process's own times do not show.
#   bench/saver_wait.sh <win64 build directory>
set -u
build=${1:?win64 build directory}
prefix=$build/wine/prefix
read -r device inode <<<"$(stat -c '%d %i' "$prefix")"
server_dir=$(printf '/tmp/wine-*/server-%x-%x' "$device" "$inode")
server_time() {
  local pid dir
  for pid in $(pgrep -u "$(id -u)" wineserver); do
    dir=$(readlink "/proc/$pid/cwd")
    # shellcheck disable=SC2053
    [[ $dir == $server_dir ]] || continue
    awk '{print $14 + $15}' "/proc/$pid/stat"
    return
  done
  echo 0
}
"$build/wine-run" cmd /c exit </dev/null >/dev/null 2>&1
ticks=$(getconf CLK_TCK)
before=$(server_time)
start=$(date +%s.%N)
"$build/wine-run" "$build/bench_saver_bench.exe" wait
after=$(server_time)
end=$(date +%s.%N)
awk -v t=$((after - before)) -v hz="$ticks" -v s="$start" -v e="$end" \
  'BEGIN { printf "wine server: %.2f s of processor time in %.1f s (%.1f %% of one core)\n", t / hz, e - s, 100 * t / hz / (e - s) }'
