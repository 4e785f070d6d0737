#!/bin/bash
# With screen shots on, F1 freezes the picture and offers to save it: the
# file written holds the screen as it was, and Cancel ends without a file.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"

# The file dialog sits in the top-left corner; the rest of the screen is compared.
readonly kCompared=1920x700+0+380


crop() { convert "$1" -crop "$kCompared" +repage "$2"; }

run_shot() {
  local name=$1
  start_saver || return 1
  await_drawing "$kArtefacts/$name-drawn.png" 1000 >/dev/null || fail "$name: nothing drawn"
  shot_key_opens_dialog || { fail "$name: no save dialog"; return 1; }
  import -window root "$kArtefacts/$name-frozen.png"
  # The picture must stand still for a while: a span of time, not a state.
  sleep 1
  import -window root "$kArtefacts/$name-later.png"
  local moved
  # Outside the dialog, whose caret blinks.
  crop "$kArtefacts/$name-frozen.png" "$kArtefacts/$name-frozen-part.png"
  crop "$kArtefacts/$name-later.png" "$kArtefacts/$name-later-part.png"
  moved=$(compare -metric AE "$kArtefacts/$name-frozen-part.png" \
    "$kArtefacts/$name-later-part.png" null: 2>&1)
  [ "${moved%% *}" = 0 ] || fail "$name: the picture kept changing behind the dialog ($moved)"
}

# Shots are a setting of a stored configuration.
store_configuration ScreenShots=1

unix_file=$kArtefacts/shot.bmp
rm -f "$unix_file"
if run_shot save; then
  xdotool type --delay 10 "$(winepath_of "$unix_file")"
  xdotool key Return
  expect_end 10 "save"
  if [ ! -f "$unix_file" ]; then
    fail "no file written"
  else
    crop "$unix_file" "$kArtefacts/shot-part.png"
    differ=$(compare -metric AE "$kArtefacts/shot-part.png" "$kArtefacts/save-frozen-part.png" \
      null: 2>&1)
    [ "${differ%% *}" = 0 ] || fail "the file differs from the screen in $differ pixels"
    echo "ok: screen shot written and matches the screen"
  fi
fi

count_bmps() { find "$kArtefacts" "$HOME" -maxdepth 1 -iname '*.bmp' | wc -l; }
before=$(count_bmps)
if run_shot cancel; then
  xdotool key Escape
  expect_end 10 "cancel"
  after=$(count_bmps)
  [ "$after" -eq "$before" ] || fail "cancel left a file"
  echo "ok: cancel ends without a file"
fi

forget_configuration
finish_checks
