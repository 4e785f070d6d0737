#!/bin/bash
# Builds one Windows Installer package of the saver from installer/vorlunda.wxs.
#   make-msi.sh ARCH VERSION PRODUCT_CODE PAYLOAD_DIR ICON OUTPUT
# ARCH is x64 or x86; PAYLOAD_DIR holds Vorlunda.scr, Vorlu12.hlp and Vorlu12.chm.
set -euo pipefail
[ $# -eq 6 ] || { echo "usage: $0 ARCH VERSION PRODUCT_CODE PAYLOAD_DIR ICON OUTPUT" >&2; exit 2; }
arch=$1 version=$2 product_code=$3 payload=$4 icon=$5 output=$6
here=$(cd "$(dirname "$0")" && pwd)

case "$arch" in
  x64 | x86) ;;
  *) echo "unknown architecture: $arch" >&2; exit 2 ;;
esac
for file in "$payload/Vorlunda.scr" "$payload/Vorlu12.hlp" "$payload/Vorlu12.chm" "$icon"; do
  [ -f "$file" ] || { echo "make-msi: $file is missing" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vorlunda-msi.XXXXXX")
trap 'rm -rf "$work"' EXIT
msi=$work/package.msi
# wixl resolves sources only by relative paths.
mkdir "$work/payload"
cp "$payload/Vorlunda.scr" "$payload/Vorlu12.hlp" "$payload/Vorlu12.chm" "$work/payload/"
cp "$icon" "$work/payload/vorlunda.ico"
(cd "$work" && wixl -a "$arch" -D Arch="$arch" -D Version="$version" \
  -D ProductCode="$product_code" -o "$msi" "$here/vorlunda.wxs")

# wixl knows neither feature conditions nor permanent components, so both are
# written into the finished database: the Condition table that lets
# SETASSAVER=0 switch the feature off, and the permanent flag of the component
# holding the user's saver choice.
printf 'Feature_\tLevel\tCondition\ns38\ti2\tS255\nCondition\tFeature_\tLevel\n%s\n' \
  'SetAsSaver	0	SETASSAVER = "0"' >"$work/Condition.idt"
msibuild "$msi" -i "$work/Condition.idt"
readonly kPermanent=16
attributes=$(msiinfo export "$msi" Component | awk -F'\t' '$1 == "SaverChoice" { print $4 }')
[ -n "$attributes" ] || { echo "make-msi: no SaverChoice component" >&2; exit 1; }
msibuild "$msi" -q "UPDATE \`Component\` SET \`Attributes\` = $((attributes | kPermanent)) \
WHERE \`Component\` = 'SaverChoice'"

# Elevated installs pass only secure properties from the command line on.
secure=$(msiinfo export "$msi" Property | awk -F'\t' '$1 == "SecureCustomProperties" { print $2 }')
msibuild "$msi" -q "UPDATE \`Property\` SET \`Value\` = '${secure:+$secure;}SETASSAVER' \
WHERE \`Property\` = 'SecureCustomProperties'"

mkdir -p "$(dirname "$output")"
mv "$msi" "$output"
