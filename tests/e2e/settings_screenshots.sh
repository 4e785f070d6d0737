#!/bin/bash
# Every sheet of the settings at 96, 120 and 144 dots per inch: kept as pictures
# to look at, and checked for controls that overlap or leave the dialog.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"
# shellcheck source=support/dialog.sh
source "$(dirname "$0")/support/dialog.sh"

readonly kSheets=(schemes general about)

trap restore_dpi EXIT

# Visible controls, as "id class left top width height", without the tab
# control, the sheets themselves and the group box, which hold others.
visible_controls() {
  probe controls "$kSettingsTitle" |
    awk '$3 == 1 && $2 != "SysTabControl32" && $2 != "#32770" && !($2 == "Button" && $1 == -1) {
      print $1, $2, $5, $6, $7, $8 }'
}

# Fails for any two visible controls that overlap, and for any control that
# reaches past the dialog's client area.
check_layout() {
  local what=$1
  local client
  client=$(probe rect "$kSettingsTitle")
  visible_controls | awk -v what="$what" -v client="$client" '
    { id[NR] = $1 " " $2; l[NR] = $3; t[NR] = $4; r[NR] = $3 + $5; b[NR] = $4 + $6 }
    END {
      split(client, c, " ")
      bad = 0
      for (i = 1; i <= NR; i++) {
        if (l[i] < c[1] || t[i] < c[2] || r[i] > c[1] + c[3] || b[i] > c[2] + c[4]) {
          print "FAIL: " what ": control " id[i] " leaves the dialog"; bad++
        }
        for (j = i + 1; j <= NR; j++)
          if (l[i] < r[j] && l[j] < r[i] && t[i] < b[j] && t[j] < b[i]) {
            print "FAIL: " what ": controls " id[i] " and " id[j] " overlap"; bad++
          }
      }
      if (!bad) print "ok: " what ": " NR " controls apart and inside"
    }' | tee "$kArtefacts/layout.txt"
  grep -q '^FAIL' "$kArtefacts/layout.txt" && failures=$((failures + 1))
  return 0
}

forget_configuration
for dpi in 96 120 144; do
  set_dpi "$dpi"
  start_settings || continue
  for index in 0 1 2; do
    sheet=${kSheets[$index]}
    await_probe "$sheet at $dpi dpi" "3 $index" tab "$kSettingsTitle" || continue
    read -r -a rect <<<"$(window_rect "$kSettingsTitle")"
    picture=$kArtefacts/settings-$sheet-${dpi}dpi.png
    # The sheet has finished painting once two pictures in a row agree.
    painted() {
      cp -f "$picture" "$picture.before" 2>/dev/null
      import -window root -crop "${rect[2]}x${rect[3]}+${rect[0]}+${rect[1]}" +repage "$picture" &&
        same_picture "$picture" "$picture.before"
    }
    rm -f "$picture"
    wait_for painted || fail "$sheet at $dpi dpi: the sheet kept changing"
    rm -f "$picture.before"
    check_layout "$sheet at $dpi dpi"
    keys ctrl+Tab
  done
  keys Escape
  expect_settings_end "screenshots at $dpi dpi"
done
# The larger resolution makes a larger dialog.
small=$(identify -format '%w' "$kArtefacts/settings-schemes-96dpi.png" 2>/dev/null || echo 0)
large=$(identify -format '%w' "$kArtefacts/settings-schemes-120dpi.png" 2>/dev/null || echo 0)
[ "$large" -gt "$small" ] || fail "the dialog is not larger at 120 dpi ($small, $large)"

forget_configuration
finish_checks
