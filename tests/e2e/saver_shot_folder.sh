#!/bin/bash
# The configured screen-shot folder starts the save dialog where it can: an
# existing folder is opened, and one far longer than the dialog takes (the
# settings field allows 65535 characters) is left out instead of crashing the
# saver with the picture.
set -u

source "$(dirname "$0")/support/saver.sh"

readonly kFolder=$kArtefacts/shot-folder

# Wine names no X window when it manages none, so the dialog is known as
# the window that appears after F1 and takes the keyboard focus.
viewable_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
windows_before=0
focus_before=
save_dialog_open() {
  [ "$(viewable_windows)" -gt "$windows_before" ] &&
    [ "$(xdotool getwindowfocus 2>/dev/null)" != "$focus_before" ]
}

# F1, then the name typed into the save dialog; ends when the saver has.
#   shoot <typed name> <description> <artefact tag> <file expected>
shoot() {
  local name=$1 what=$2 tag=$3 file=$4
  start_saver || return 1
  sleep 1.5
  windows_before=$(viewable_windows)
  focus_before=$(xdotool getwindowfocus 2>/dev/null)
  xdotool key F1
  if ! wait_for save_dialog_open; then
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
