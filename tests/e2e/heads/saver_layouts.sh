#!/bin/bash
# Layouts of monitors people have, each as the real heads of an X server:
# every head draws, the information line sits on the primary, F1 saves the
# whole virtual screen with the desktop between the heads black, and a key
# or a click over a head that is not the primary ends the saver. Heads are
# WxH+X+Y in the X server's coordinates, the primary first, the top-left
# corner of them all at 0,0; Windows puts its origin at the primary's corner,
# so a head left of the primary lies at negative coordinates there. The X
# server's root shows anything where no head is, so what was drawn between
# the heads is judged on the saver's own picture, the one F1 saves.
set -u -o pipefail

# shellcheck source=SCRIPTDIR/../support/saver.sh
source "$(dirname "$0")/../support/saver.sh"

: "${VORLUNDA_HEADS_STATE:?state of the display of heads}"
: "${VORLUNDA_HEADS:?the heads the display was started with}"
: "${VORLUNDA_PROBE:?path of the built probe}"
readonly kDisplayScript=${VORLUNDA_SOURCE_DIR:?}/cmake/wine-display.sh
readonly kMinLitOnAHead=50

heads=()
start_heads() {
  heads=("$@")
  bash "$kDisplayScript" start-heads "$VORLUNDA_HEADS_STATE" "$WINE" "$@" >/dev/null || return 1
  DISPLAY=$(cat "$VORLUNDA_HEADS_STATE/display")
  export DISPLAY
}

# Width and height of the smallest box round every head.
virtual_size() {
  local head w h x y width=0 height=0
  for head in "${heads[@]}"; do
    IFS='x+' read -r w h x y <<<"$head"
    ((x + w > width)) && width=$((x + w))
    ((y + h > height)) && height=$((y + h))
  done
  echo "${width}x${height}"
}

# Lit pixels of image $1 that lie on no head.
lit_between_heads() {
  local head w h x y draw=()
  for head in "${heads[@]}"; do
    IFS='x+' read -r w h x y <<<"$head"
    draw+=(-draw "rectangle $x,$y $((x + w - 1)),$((y + h - 1))")
  done
  convert "$1" -colorspace gray -threshold 1% \
    \( -size "$(virtual_size)" xc:white -fill black "${draw[@]}" \) \
    -compose multiply -composite -format "%[fx:int(mean*w*h)]" info:
}

lit_on_head() { convert "$1" -crop "$2" +repage -colorspace gray -threshold 1% \
  -format "%[fx:int(mean*w*h)]" info:; }

every_head_lit() {
  import -window root "$1" 2>/dev/null || return 1
  local head
  for head in "${heads[@]}"; do
    [ "$(lit_on_head "$1" "$head")" -ge "$kMinLitOnAHead" ] || return 1
  done
}

# The bottom row of a head.
bottom_row() {
  local w h x y
  IFS='x+' read -r w h x y <<<"$1"
  echo "${w}x1+$x+$((y + h - 1))"
}

# The monitors as Windows should list them, as the probe prints them: the
# heads moved so that the primary's corner is at 0,0.
windows_monitors() {
  local head w h x y px py primary=1
  IFS='x+' read -r w h px py <<<"${heads[0]}"
  for head in "${heads[@]}"; do
    IFS='x+' read -r w h x y <<<"$head"
    echo "$((x - px)) $((y - py)) $((x - px + w)) $((y - py + h)) $primary"
    primary=0
  done
}

centre_of() {
  local w h x y
  IFS='x+' read -r w h x y <<<"$1"
  echo "$((x + w / 2)) $((y + h / 2))"
}

# The screen as the monitors show it, for looking at.
outer_shot() { DISPLAY=$(cat "$VORLUNDA_HEADS_STATE/outer-display") import -window root "$1"; }

# Xephyr's root is undefined where no head is and need not read the same
# twice, so whether the screen stands still (the helpers' await_still) is
# judged on the outer display, which shows the heads only.
eval "root_$(declare -f await_still)"
await_still() { DISPLAY=$(cat "$VORLUNDA_HEADS_STATE/outer-display") root_await_still; }

# One layout: $1 its name, $2 how the saver is ended (click or key), then the heads.
check_layout() {
  local name=$1 ending=$2
  shift 2
  if ! start_heads "$@"; then
    fail "$name: no display with heads $*"
    return
  fi
  local listed between
  listed=$("$WINE" "$VORLUNDA_PROBE" monitors </dev/null | tr -d '\r')
  [ "$listed" = "$(windows_monitors)" ] ||
    { fail "$name: Wine lists the monitors as $listed, not as $(windows_monitors)"; return; }
  local shot=$kArtefacts/heads-$name.png picture=$kArtefacts/heads-$name.bmp
  rm -f "$picture"
  start_saver || return
  wait_for every_head_lit "$shot" || wait_for every_head_lit "$shot" ||
    fail "$name: not every head drew"
  outer_shot "$kArtefacts/heads-$name-monitors.png"
  local head blue
  blue=$(count_colour "$shot" '#0000FF' "$(bottom_row "$1")")
  [ "$blue" -ge $((${1%%x*} / 2)) ] || fail "$name: no information line on the primary"
  for head in "${@:2}"; do
    blue=$(count_colour "$shot" '#0000FF' "$(bottom_row "$head")")
    [ "$blue" -eq 0 ] || fail "$name: an information line on the head $head"
  done
  wait_past_grace
  if shot_key_opens_dialog; then
    xdotool type --delay 10 "$(winepath_of "$picture")"
    xdotool key Return
    wait_for test -s "$picture" || fail "$name: F1 wrote no picture"
    expect_end 10 "$name: the shot saved"
  else
    fail "$name: no save dialog"
    outer_shot "$kArtefacts/heads-$name-no-dialog.png"
    stop_saver
  fi
  if [ -s "$picture" ]; then
    local size
    size=$(identify -format '%wx%h' "$picture")
    [ "$size" = "$(virtual_size)" ] || fail "$name: the picture is $size, not $(virtual_size)"
    between=$(lit_between_heads "$picture")
    [ "$between" -eq 0 ] || fail "$name: the picture has $between lit pixels between the heads"
    for head in "$@"; do
      [ "$(lit_on_head "$picture" "$head")" -ge "$kMinLitOnAHead" ] ||
        fail "$name: the picture of head $head is black"
    done
  fi
  # Over the last head, which is not the primary.
  local x y
  read -r x y <<<"$(centre_of "${!#}")"
  xdotool mousemove "$x" "$y"
  start_saver || return
  wait_for every_head_lit "$kArtefacts/heads-$name-again.png" || fail "$name: not every head drew the second time"
  wait_past_grace
  if [ "$ending" = click ]; then
    xdotool click 1
  else
    xdotool key space
  fi
  expect_end 5 "$name: a $ending over the head ${!#} ends the saver"
}

store_configuration InfoLine=1 ScreenShots=1
check_layout side-by-side click 800x600+0+0 640x480+800+0
check_layout stacked key 800x600+0+0 640x480+0+600
check_layout three-in-a-row click 800x600+640+0 640x480+0+0 640x400+1440+0
check_layout primary-right key 800x600+640+0 640x480+0+120
forget_configuration
# The display as the other tests of the lane expect it.
# shellcheck disable=SC2086
start_heads $VORLUNDA_HEADS || fail "the lane's display could not be started again"
finish_checks
