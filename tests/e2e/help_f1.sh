#!/bin/bash
# Help from the settings dialogs as a person asks for it, on a Windows
# version that has WinHelp: the Help buttons open Wine's winhlp32 at the
# contents, F1 on each sheet of both dialogs opens that sheet's topic, and
# closing the settings closes the viewer.
set -u

here=$(dirname "$0")
# Skipped (77) in a tree without the dialogs' end-to-end support.
[ -f "$here/support/dialog.sh" ] && [ -n "${VORLUNDA_PROBE:-}" ] || {
  echo "skipped: no dialog support"
  exit 77
}
source "$here/support/saver.sh"
source "$here/support/dialog.sh"

build_dir=$(dirname "$VORLUNDA_SCR")
help_probe="$build_dir/help_probe.exe"
version_key='HKCU\Software\Wine\AppDefaults\Vorlunda.scr'
probe_out="$kArtefacts/help-probe.txt"

cleanup() {
  "$WINE" reg delete "$version_key" /f >/dev/null 2>&1
}
trap cleanup EXIT
"$WINE" reg add "$version_key" /v Version /t REG_SZ /d winxp /f >/dev/null 2>&1

# The viewer's output goes to a file: the viewer inherits it and would keep
# a pipe open.
viewer_shows() {
  "$WINE" "$help_probe" wait "$1" >"$probe_out" 2>&1 </dev/null
}

# $1 what, $2 the text the viewer must show; then gives the keyboard back to
# the dialog $3, since the viewer takes it when it opens.
expect_viewer() {
  if viewer_shows "$2"; then
    echo "ok: $1"
  else
    fail "$1: $(tr -d '\r' <"$probe_out" | head -5)"
  fi
  activate_window "$3"
}

snapshot() { import -window root "$kArtefacts/help-$1.png" 2>/dev/null; }

# Presses Tab until the focus is on control $2 of dialog $1 (at most $3 presses).
focus_on() {
  local i
  for i in $(seq "${3:-12}"); do
    [ "$(probe focus "$1" | cut -d' ' -f1)" = "$2" ] && return 0
    keys Tab
  done
  [ "$(probe focus "$1" | cut -d' ' -f1)" = "$2" ]
}

forget_configuration
"$WINE" "$help_probe" close >/dev/null 2>&1 </dev/null
if start_settings; then
  keys alt+h
  expect_viewer "Help opens the contents" "Press F1 in any sheet" "$kSettingsTitle"
  snapshot contents
  await_probe "the scheme list has the focus" "100 ListBox" focus "$kSettingsTitle"
  keys F1
  expect_viewer "F1 in the Schemes sheet opens topic 257" \
    "Section 1.1: The Schemes sheet" "$kSettingsTitle"
  keys ctrl+Tab
  await_probe "the General sheet is shown" "3 1" tab "$kSettingsTitle"
  keys F1
  expect_viewer "F1 in the General sheet opens topic 258" \
    "Section 1.2: The General sheet" "$kSettingsTitle"
  if focus_on "$kSettingsTitle" 2; then
    keys F1
    expect_viewer "F1 on the settings dialog's own buttons opens topic 256" \
      "Chapter 1: The settings dialog" "$kSettingsTitle"
  else
    fail "Tab never reached the Cancel button"
  fi
  keys ctrl+shift+Tab
  await_probe "back on the Schemes sheet" "3 0" tab "$kSettingsTitle"
  keys alt+e
  if probe wait "$kEditTitle" >/dev/null; then
    activate_window "$kEditTitle"
    topics=("Section 2.1: The General sheet of Edit Scheme"
      "Section 2.2: The Drawing sheet of Edit Scheme"
      "Section 2.3: The Rules sheet of Edit Scheme"
      "Section 2.4: The Filter sheet of Edit Scheme")
    for sheet in 0 1 2 3; do
      await_probe "Edit Scheme shows sheet $sheet" "4 $sheet" tab "$kEditTitle"
      keys F1
      expect_viewer "F1 in Edit Scheme's sheet $sheet opens topic $((260 + sheet))" \
        "${topics[$sheet]}" "$kEditTitle"
      [ "$sheet" = 1 ] && snapshot edit-drawing
      keys ctrl+Tab
    done
    if focus_on "$kEditTitle" 2; then
      keys F1
      expect_viewer "F1 on Edit Scheme's own buttons opens topic 259" \
        "Chapter 2: The Edit Scheme dialog" "$kEditTitle"
    else
      fail "Tab never reached Edit Scheme's Cancel button"
    fi
    keys alt+h
    expect_viewer "Edit Scheme's Help opens the contents" "Press F1 in any sheet" "$kEditTitle"
    keys Escape
    probe gone "$kEditTitle" >/dev/null || fail "Edit Scheme did not close"
    activate_window "$kSettingsTitle"
  else
    fail "Edit Scheme did not open"
  fi
  keys Escape
  expect_settings_end "Cancel after help"
  if "$WINE" "$help_probe" gone >"$probe_out" 2>&1 </dev/null; then
    echo "ok: closing the settings closes the viewer"
  else
    fail "the viewer stayed open after the settings closed"
  fi
fi
"$WINE" "$help_probe" close >/dev/null 2>&1 </dev/null
finish_checks
