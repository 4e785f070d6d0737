#!/bin/bash
# Help from the settings dialogs as a person asks for it, on a Windows
# version that has WinHelp: the Help buttons open Wine's winhlp32 at the
# contents, F1 on each sheet of both dialogs and on the dialogs' own buttons
# opens its topic, and closing the settings closes the viewer.
set -u

here=$(dirname "$0")
# Skipped (77) in a tree without the dialogs' end-to-end support.
if [ ! -f "$here/support/dialog.sh" ] || [ -z "${VORLUNDA_PROBE:-}" ]; then
  echo "skipped: no dialog support"
  exit 77
fi
# shellcheck source=support/saver.sh
source "$here/support/saver.sh"
# shellcheck source=support/dialog.sh
source "$here/support/dialog.sh"

build_dir=$(dirname "$VORLUNDA_SCR")
help_probe="$build_dir/help_probe.exe"
app_defaults='HKCU\Software\Wine\AppDefaults'
probe_out="$kArtefacts/help-probe.txt"

# The saver and the probe that closes the viewer both see Windows XP.
for program in Vorlunda.scr help_probe.exe; do
  "$WINE" reg add "$app_defaults\\$program" /v Version /t REG_SZ /d winxp /f >/dev/null 2>&1
done
cleanup() {
  for program in Vorlunda.scr help_probe.exe; do
    "$WINE" reg delete "$app_defaults\\$program" /f >/dev/null 2>&1
  done
}
trap cleanup EXIT

# The viewer inherits the probe's output; a pipe would stay open behind it.
run_help_probe() { "$WINE" "$help_probe" "$@" >"$probe_out" 2>&1 </dev/null; }

snapshot() { import -window root "$kArtefacts/help-$1.png" 2>/dev/null; }

# A click on the caption gives a dialog back the keyboard, to the control
# that had it: without a window manager nothing else raises a window.
activate_dialog() {
  local rect left top width
  rect=$(probe rect "$1" .) || return 1
  read -r left top width _ <<<"$rect" || return 1
  xdotool mousemove $((left + width / 2)) $((top + 8)) click 1
}

# $1 what, $2 the text the viewer must show, $3 the dialog, $4 a screenshot
# name. The viewer is closed again, since it covers the screen and keeps
# the keyboard, and the dialog gets the keyboard back.
expect_viewer() {
  if run_help_probe wait "$2"; then
    echo "ok: $1"
  else
    fail "$1: $(tr -d '\r' <"$probe_out" | head -5)"
  fi
  [ -n "${4:-}" ] && snapshot "$4"
  run_help_probe close || fail "$1: the viewer did not close"
  activate_dialog "$3"
  for _ in $(seq 40); do
    [ "$(probe focus "$3")" != "0 none" ] && return 0
    sleep 0.25
  done
  fail "$1: the dialog did not get the keyboard back"
}

check_edit_scheme() {
  local topics=("Section 2.1: The General sheet of Edit Scheme"
    "Section 2.2: The Drawing sheet of Edit Scheme"
    "Section 2.3: The Rules sheet of Edit Scheme"
    "Section 2.4: The Filter sheet of Edit Scheme")
  local sheet shot
  for sheet in 0 1 2 3; do
    await_probe "Edit Scheme shows sheet $sheet" "4 $sheet" tab "$kEditTitle"
    keys F1
    shot=
    [ "$sheet" = 1 ] && shot=edit-drawing
    expect_viewer "F1 in Edit Scheme's sheet $sheet opens topic $((260 + sheet))" \
      "${topics[$sheet]}" "$kEditTitle" $shot
    keys ctrl+Tab
  done
  # The Help button keeps the focus, so F1 then asks from the dialog's own
  # controls (Tab moves only within a sheet).
  keys alt+h
  expect_viewer "Edit Scheme's Help opens the contents" "Press F1 in any sheet" "$kEditTitle"
  await_probe "Edit Scheme's Help button has the focus" "102 Button" focus "$kEditTitle"
  keys F1
  expect_viewer "F1 on Edit Scheme's own buttons opens topic 259" \
    "Chapter 2: The Edit Scheme dialog" "$kEditTitle"
  keys Escape
  probe gone "$kEditTitle" >/dev/null || fail "Edit Scheme did not close"
  activate_dialog "$kSettingsTitle"
}

forget_configuration
run_help_probe close
if start_settings; then
  await_probe "the scheme list has the focus" "100 ListBox" focus "$kSettingsTitle"
  keys F1
  expect_viewer "F1 in the Schemes sheet opens topic 257" \
    "Section 1.1: The Schemes sheet" "$kSettingsTitle"
  keys alt+h
  expect_viewer "Help opens the contents" "Press F1 in any sheet" "$kSettingsTitle" contents
  await_probe "the Help button has the focus" "102 Button" focus "$kSettingsTitle"
  keys F1
  expect_viewer "F1 on the settings dialog's own buttons opens topic 256" \
    "Chapter 1: The settings dialog" "$kSettingsTitle"
  keys ctrl+Tab
  await_probe "the General sheet is shown" "3 1" tab "$kSettingsTitle"
  keys F1
  expect_viewer "F1 in the General sheet opens topic 258" \
    "Section 1.2: The General sheet" "$kSettingsTitle"
  keys ctrl+shift+Tab
  await_probe "back on the Schemes sheet" "3 0" tab "$kSettingsTitle"
  keys alt+e
  if probe wait "$kEditTitle" >/dev/null; then
    check_edit_scheme
  else
    fail "Edit Scheme did not open"
  fi
  # With the viewer open, Cancel must close it along with the settings.
  keys alt+h
  run_help_probe wait "Press F1 in any sheet" || fail "Help again: no viewer"
  run_help_probe cancel "$kSettingsTitle"
  expect_settings_end "Cancel after help"
  if run_help_probe gone; then
    echo "ok: closing the settings closes the viewer"
  else
    fail "the viewer stayed open after the settings closed"
  fi
fi
run_help_probe close
finish_checks
