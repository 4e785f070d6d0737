#!/bin/bash
# Pictures of a check list (some items checked, one selected with the focus)
# at 96 and at 120 DPI, for people to look at; the items grow with the font.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"

kTests=$(dirname "$VORLUNDA_SCR")/win32_window_tests.exe
readonly kTests
readonly kPictures=$VORLUNDA_TEST_TMP/control-pictures
mkdir -p "$kPictures"

trap restore_dpi EXIT

# Prints the item height the picture test reports.
picture_at() {
  set_dpi "$1"
  VORLUNDA_TEST_TMP="Z:$VORLUNDA_TEST_TMP" "$WINE" "$kTests" --gtest_filter='CheckListClicks.Picture' \
    </dev/null 2>/dev/null | tr -d '\r' | sed -n 's/^check-list picture: .*(item height \([0-9]*\))$/\1/p'
}

height96=$(picture_at 96)
height120=$(picture_at 120)
for dpi in 96 120; do
  bmp=$VORLUNDA_TEST_TMP/checklist-${dpi}dpi.bmp
  if [ -f "$bmp" ]; then
    convert "$bmp" "$kPictures/checklist-${dpi}dpi.png"
    echo "ok: picture at $dpi DPI: $kPictures/checklist-${dpi}dpi.png"
  else
    fail "no picture at $dpi DPI"
  fi
done
if [ -z "$height96" ] || [ -z "$height120" ]; then
  fail "the picture test did not run (heights '$height96', '$height120')"
elif [ "$height120" -le "$height96" ]; then
  fail "items do not grow with the DPI ($height96 at 96, $height120 at 120)"
else
  echo "ok: item height $height96 at 96 DPI, $height120 at 120 DPI"
fi
finish_checks
