#!/bin/bash
# The help the dialogs ask for, opened by the program's help viewer in a
# process of its own. With a Windows version that has WinHelp reported,
# Wine's winhlp32 must show the contents and each numbered topic from the
# built "Vorlu12.hlp"; with a current version, the same requests must go to
# HTML Help with the page of each number in "Vorlu12.chm" (checked through
# the probe's recording of the call: this machine's Wine has no browser
# engine to show the pages).
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"

build_dir=$(dirname "$VORLUNDA_SCR")
probe="$build_dir/help_probe.exe"
version_key='HKCU\Software\Wine\AppDefaults\help_probe.exe'

# The viewer the probe starts inherits its output; a pipe would stay open
# while the viewer runs, so the probe writes to a file.
probe_out="$kArtefacts/help-viewer-probe.txt"
out=
run_probe() {
  "$WINE" "$probe" "$@" >"$probe_out" 2>&1 </dev/null
  local code=$?
  out=$(tr -d '\r' <"$probe_out")
  return $code
}

report_version() {
  "$WINE" reg add "$version_key" /v Version /t REG_SZ /d "$1" /f >/dev/null 2>&1
}
cleanup() {
  report_version winxp
  run_probe close
  "$WINE" reg delete "$version_key" /f >/dev/null 2>&1
}
trap cleanup EXIT

# number, then the title the topic shows
topics=(
  "256|Chapter 1: The settings dialog"
  "257|Section 1.1: The Schemes sheet"
  "258|Section 1.2: The General sheet"
  "259|Chapter 2: The Edit Scheme dialog"
  "260|Section 2.1: The General sheet of Edit Scheme"
  "261|Section 2.2: The Drawing sheet of Edit Scheme"
  "262|Section 2.3: The Rules sheet of Edit Scheme"
  "263|Section 2.4: The Filter sheet of Edit Scheme"
)
pages=(settings schemessheet generalsheet editscheme editgeneral editdrawing editrules editfilter)

screenshot() {
  command -v import >/dev/null && import -window root "$kArtefacts/$1.png" 2>/dev/null
}

check_winhelp() {
  report_version winxp
  run_probe close
  run_probe contents "Press F1 in any sheet" || fail "contents: $out"
  grep -q "Vorlunda V1.2 Help" <<<"$out" || fail "contents shows no title: $out"
  grep -q "Chapter 9: While the saver runs" <<<"$out" || fail "contents lists no topics: $out"
  screenshot winhelp-contents
  local entry number title
  for entry in "${topics[@]}"; do
    number=${entry%%|*} title=${entry#*|}
    run_probe topic "$number" "$title" || fail "topic $number: $out"
    [ "$number" = 261 ] && screenshot winhelp-261
  done
  run_probe close || fail "HELP_QUIT left the viewer open"
  echo "ok: WinHelp shows the contents and topics 256 to 263"
}

check_htmlhelp() {
  report_version win10
  local windows_dir expected i
  windows_dir="Z:${build_dir//\//\\}"
  run_probe route close contents 256 257 258 259 260 261 262 263 999 close
  expected="version 10.0
HtmlHelp 1 $windows_dir\\Vorlu12.chm 0"
  for i in "${!pages[@]}"; do
    expected+="
HtmlHelp 0 $windows_dir\\Vorlu12.chm::/${pages[$i]}.html 0"
  done
  expected+="
HtmlHelp 1 $windows_dir\\Vorlu12.chm 0
HtmlHelp 18 (null) 0"
  [ "$out" = "$expected" ] || fail "HTML Help calls differ: got
$out
expected
$expected"
  echo "ok: from Vista on, HTML Help gets the page of each number"
}

check_winhelp
check_htmlhelp
finish_checks
