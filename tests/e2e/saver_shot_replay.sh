#!/bin/bash
# A screen shot taken with F1 leaves a record beside it, from which the native
# and the Windows renderer draw the shot again: at its own size the same
# pixels (the information line's rows aside), at two and four times the size
# the same fractals, to BMP and PNG alike. A record that cannot be written
# leaves the shot as it was; a damaged record is refused with one line, exit
# code 2 and no picture.
set -uo pipefail

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"
: "${VORLUNDA_RENDER:?path of the built vorlunda-render.exe}"
: "${VORLUNDA_NATIVE_RENDER:?path of the native vorlunda-render}"

readonly kShot=$kArtefacts/replay-shot.bmp
readonly kRecord=$kArtefacts/replay-shot.vorlunda
readonly kErrors=$kArtefacts/replay-stderr.txt
# An enlarged picture draws the shot's points first, each in one of the
# pixels within half the factor of the shot pixel's place (the pixel centres
# lie a quarter of a shot pixel apart), so it lights again at least the first
# share (all, but for rounding) of the pixels the shot lit. And at least the
# second share of the pixels it lights, scaled back down, lie within kNear
# pixels of one the shot lit: the same fractals, neither moved nor smeared. At
# a point density per pixel a larger picture also lights pixels of a sparse
# fractal that the shot's fewer points missed, so this check looks round each
# lit pixel.
readonly kKeptPercent=99
readonly kOwnPercent=80
readonly kNear=3

native() { "$VORLUNDA_NATIVE_RENDER" "$@" </dev/null >/dev/null 2>"$kErrors"; }
windows() { "$WINE" "$VORLUNDA_RENDER" "$@" </dev/null >/dev/null 2>"$kErrors"; }

# F1 once the screen holds a good part of a group, then the picture's name
# typed into the save dialog; returns once the saver has ended.
shoot() {
  local file=$1 what=$2
  start_saver || return 1
  await_drawing "$kArtefacts/replay-screen.png" 20000 >/dev/null ||
    fail "$what: the saver drew next to nothing"
  # More of the group, when it comes within a few seconds: a record of
  # several fractals carries what each leaves to the next.
  await_drawing "$kArtefacts/replay-screen.png" 250000 6 >/dev/null || true
  if ! shot_key_opens_dialog; then
    fail "$what: no save dialog"
    stop_saver
    return 1
  fi
  xdotool type --delay 10 "$(winepath_of "$file")"
  xdotool key Return
  wait_for test -s "$file" || fail "$what: no picture written"
  expect_end 10 "$what"
}

lit() { convert "$1" -format '%[fx:int(mean*w*h+0.5)]' info:; }

# Pixels that differ between two pictures in the rows fractals are drawn on.
differing() {
  convert "$1" -crop "$drawn_box" +repage "$kArtefacts/replay-a.png" &&
    convert "$2" -crop "$drawn_box" +repage "$kArtefacts/replay-b.png" || return 1
  compare -metric AE "$kArtefacts/replay-a.png" "$kArtefacts/replay-b.png" null: 2>&1
}

expect_same() {
  local what=$1 count
  count=$(differing "$2" "$3")
  if [ "$count" = 0 ]; then
    echo "ok: $what"
  else
    fail "$what: $count pixels differ"
  fi
}

# Scales `big` down by `factor` and compares which pixels are lit with the shot.
expect_same_fractals() {
  local what=$1 big=$2 factor=$3
  local shot_mask=$kArtefacts/replay-shot-mask.png big_mask=$kArtefacts/replay-big-mask.png
  local both=$kArtefacts/replay-both.png window=$kArtefacts/replay-window-mask.png
  local near=$kArtefacts/replay-near-mask.png near_both=$kArtefacts/replay-near-both.png
  if ! convert "$kShot" -crop "$drawn_box" +repage -colorspace gray -threshold 0 "$shot_mask" ||
    ! convert "$big" -scale "$((100 / factor))%" -crop "$drawn_box" +repage -colorspace gray \
      -threshold 0 "$big_mask" ||
    ! convert "$big" -colorspace gray -threshold 0 -morphology Dilate "Square:$((factor / 2))" \
      -define sample:offset=25x25 -sample "$((100 / factor))%" -crop "$drawn_box" +repage \
      "$window" ||
    ! convert "$shot_mask" "$window" -compose multiply -composite "$both" ||
    ! convert "$shot_mask" -morphology Dilate "Square:$kNear" "$near" ||
    ! convert "$near" "$big_mask" -compose multiply -composite "$near_both"; then
    fail "$what: pictures not read"
    return
  fi
  local shot_lit big_lit both_lit near_lit
  shot_lit=$(lit "$shot_mask")
  big_lit=$(lit "$big_mask")
  both_lit=$(lit "$both")
  near_lit=$(lit "$near_both")
  local counts="$both_lit of the shot's $shot_lit lit again; $near_lit of $big_lit near the shot's"
  if [ "$shot_lit" -gt 0 ] && [ $((100 * both_lit)) -ge $((kKeptPercent * shot_lit)) ] &&
    [ $((100 * near_lit)) -ge $((kOwnPercent * big_lit)) ]; then
    echo "ok: $what ($counts)"
  else
    fail "$what: $counts"
  fi
}

# A refused record: exit code 2, one line saying why, no picture.
expect_refused() {
  local what=$1 runner=$2 record=$3 out=$kArtefacts/replay-refused.png code=0
  rm -f "$out"
  if [ "$runner" = windows ]; then
    windows --replay "$(winepath_of "$record")" -o "$(winepath_of "$out")" || code=$?
  else
    native --replay "$record" -o "$out" || code=$?
  fi
  local lines
  lines=$(tr -d '\r' <"$kErrors" | grep -c .)
  if [ "$code" -eq 2 ] && [ "$lines" -eq 1 ] && [ ! -e "$out" ]; then
    echo "ok: $what refused by the $runner renderer: $(tr -d '\r' <"$kErrors")"
  else
    fail "$what, $runner renderer: exit code $code, $lines lines, picture left: $([ -e "$out" ] && echo yes || echo no)"
  fi
}

store_configuration ScreenShots=1 InfoLine=1

# A record that cannot be written, here because a folder has its name, leaves
# the shot alone and the saver ends as after any shot.
unwritable=$kArtefacts/replay-unwritable
rm -rf "$unwritable.bmp" "$unwritable.vorlunda"
mkdir -p "$unwritable.vorlunda"
shoot "$unwritable.bmp" "shot whose record cannot be written"
rm -rf "$unwritable.vorlunda"

rm -f "$kShot" "$kRecord"
shoot "$kShot" "shot with its record"
forget_configuration
[ -s "$kRecord" ] || { fail "no record beside the shot"; finish_checks; }
read -r _ width height _ < <(grep '^picture ' "$kRecord")
read -r _ _ _ _ _ drawn < <(grep -m1 '^area ' "$kRecord")
drawn_box=${width}x${drawn}+0+0
echo "record: ${width}x${height}, fractals drawn on $drawn rows, $(grep -c '^fractal' "$kRecord") fractals"

pic=$kArtefacts/replay
native --replay "$kRecord" -o "$pic-native.bmp" || fail "native replay: $(cat "$kErrors")"
expect_same "native replay at the shot's size" "$kShot" "$pic-native.bmp"
windows --replay "$(winepath_of "$kRecord")" -o "$(winepath_of "$pic-windows.bmp")" ||
  fail "Windows replay: $(cat "$kErrors")"
expect_same "Windows replay at the shot's size" "$kShot" "$pic-windows.bmp"
windows --replay "$(winepath_of "$kRecord")" -o "$(winepath_of "$pic-windows.png")" ||
  fail "Windows replay to PNG: $(cat "$kErrors")"
expect_same "Windows replay to PNG at the shot's size" "$kShot" "$pic-windows.png"

for factor in 2 4; do
  size=$((factor * width))x$((factor * height))
  native --replay "$kRecord" --size "$size" -o "$pic-native-$factor.png" ||
    fail "native replay at $size: $(cat "$kErrors")"
  expect_same_fractals "native replay at $size" "$pic-native-$factor.png" "$factor"
  windows --replay "$(winepath_of "$kRecord")" --size "$size" \
    -o "$(winepath_of "$pic-windows-$factor.png")" || fail "Windows replay at $size: $(cat "$kErrors")"
  count=$(compare -metric AE "$pic-native-$factor.png" "$pic-windows-$factor.png" null: 2>&1)
  if [ "$count" = 0 ]; then
    echo "ok: Windows and native PNG at $size alike"
  else
    fail "Windows and native replays at $size differ in $count pixels"
  fi
done

head -n 8 "$kRecord" >"$pic-cut.vorlunda"
sed 's/^vorlunda-picture-record 1$/vorlunda-picture-record 99/' "$kRecord" >"$pic-later.vorlunda"
sed 's/^scheme-text .*/scheme-text 11,1,20/' "$kRecord" >"$pic-scheme.vorlunda"
for runner in native windows; do
  expect_refused "cut-off record" "$runner" "$pic-cut.vorlunda"
  expect_refused "record of a later format" "$runner" "$pic-later.vorlunda"
  expect_refused "record with a broken scheme text" "$runner" "$pic-scheme.vorlunda"
done
finish_checks
