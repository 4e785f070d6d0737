#!/bin/bash
# The configured screen-shot folder starts the save dialog where it can: an
# existing folder is opened, and one far longer than the dialog takes (the
# settings field allows 65535 characters) is left out instead of crashing the
# saver with the picture.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"

readonly kFolder=$kArtefacts/shot-folder

# F1, then the name typed into the save dialog; ends when the saver has.
#   shoot <typed name> <description> <artefact tag> <file expected>
shoot() {
  local name=$1 what=$2 tag=$3 file=$4
  start_saver || return 1
  # Once it draws, the saver has the keyboard: a key before that is lost on
  # a display without a window manager.
  await_drawing "$kArtefacts/shot-folder-$tag-drawn.png" 1000 >/dev/null
  if ! shot_key_opens_dialog; then
    fail "$what: no save dialog"
    stop_saver
    return 1
  fi
  xdotool type --delay 10 "$name"
  import -window root "$kArtefacts/shot-folder-$tag.png"
  xdotool key Return
  wait_for test -f "$file" || fail "$what: no picture written"
  import -window root "$kArtefacts/shot-folder-$tag-after.png"
  expect_end 10 "$what"
}

set_folder() {
  "$WINE" reg add "$kSaverKey" /v ScreenShotDirectory /t REG_SZ /d "$1" /f >/dev/null 2>&1
}

rm -rf "$kFolder"
mkdir -p "$kFolder"
store_configuration ScreenShots=1

set_folder "$(winepath_of "$kFolder")"
# Written where the dialog started, so only there if it started in the folder.
shoot inside.bmp "existing folder" existing "$kFolder/inside.bmp"

long_folder="C:\\$(printf 'Vorlunda shots %.0s' $(seq 80))"
set_folder "$long_folder"
shoot "$(winepath_of "$kFolder/long.bmp")" "folder of ${#long_folder} characters" long \
  "$kFolder/long.bmp"

forget_configuration
finish_checks
