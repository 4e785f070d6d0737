#!/bin/bash
# On Windows the renderer draws the stored schemes, as the saver does; with
# --defaults the built-in ones.
set -u

# shellcheck source=support/saver.sh
source "$(dirname "$0")/support/saver.sh"
: "${VORLUNDA_RENDER:?path of the built vorlunda-render.exe}"

readonly kOwnText='11,1,20,0.400000,2,Experimental,Ferns'

render() { "$WINE" "$VORLUNDA_RENDER" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

store_configuration
"$WINE" reg add "$kSaverKey\\Schemes" /v "My own" /t REG_SZ /d "$kOwnText" /f >/dev/null 2>&1

listed=$(render --list)
grep -qxF "My own	$kOwnText" <<<"$listed" || fail "--list does not show the stored scheme"
[ "$(wc -l <<<"$listed")" -eq 14 ] || fail "--list does not show 13 built-ins and one own"
render --defaults --list | grep -q '^My own' && fail "--defaults lists a stored scheme"

picture=$kArtefacts/render-own.bmp
rm -f "$picture"
render --scheme "MY OWN" --seed 9 --size 64x48 -o "$(winepath_of "$picture")" >/dev/null
[ -s "$picture" ] || fail "the stored scheme, named in other letter case, was not drawn"

forget_configuration
render --list | grep -q '^My own' && fail "a removed configuration is still listed"
echo "ok: renderer reads the stored configuration"
finish_checks
