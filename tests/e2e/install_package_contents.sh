#!/bin/bash
# What the release files hold. The x86 package cannot be installed on these
# machines, so its tables are held against the x64 package's: the same rows
# but for the system folder, the 64-bit flags, the product and component codes.
set -u

: "${VORLUNDA_MSI:?path of the x64 package}"
: "${VORLUNDA_ZIP:?path of the 64-bit zip}"
: "${VORLUNDA_X86_MSI:?path of the x86 package}"
: "${VORLUNDA_X86_ZIP:?path of the 32-bit zip}"

readonly kWork=${VORLUNDA_TEST_TMP:-/tmp}/package-contents
readonly kTables=(Directory Component File FeatureComponents Feature Condition Registry Upgrade
                  CustomAction InstallExecuteSequence LaunchCondition AppSearch RegLocator Property)
readonly k64BitComponent=256
rm -rf "$kWork"
mkdir -p "$kWork"

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

table() { msiinfo export "$1" "$2" | tr -d '\r'; }
property() { table "$1" Property | awk -F'\t' -v name="$2" '$1 == name { print $2 }'; }

x64=$VORLUNDA_MSI
x86=$VORLUNDA_X86_MSI
if [ ! -f "$x86" ]; then
  # Without a 32-bit build beside this one, a package made from the same
  # source and this build's files still shows what the source makes for x86.
  echo "note: no $x86; checking an x86 package made from this build's files"
  x86=$kWork/Vorlunda-x86.msi
  bash "$VORLUNDA_SOURCE_DIR/installer/make-msi.sh" x86 "$(property "$x64" ProductVersion)" \
    '{00000000-0000-4000-8000-000000000086}' "$(dirname "$x64")" "$VORLUNDA_ICON" "$x86" ||
    fail "no x86 package could be made"
fi

# The x64 tables as the x86 package should have them: the 32-bit system
# folder, no 64-bit flag, and no file sizes or codes, which differ by design.
as_x86() {
  local name=$1
  sed 's/System64Folder/SystemFolder/g' |
    awk -F'\t' -v OFS='\t' -v name="$name" -v flag="$k64BitComponent" '
      name == "Component" && NR > 3 { $2 = "-"; if (int($4 / flag) % 2) $4 -= flag }
      name == "File" && NR > 3 { $4 = "-" }
      name == "Property" && $1 == "ProductCode" { $2 = "-" }
      { print }'
}

for name in "${kTables[@]}"; do
  table "$x64" "$name" | as_x86 "$name" >"$kWork/x64-$name.idt"
  table "$x86" "$name" | sed 's/System64Folder/SystemFolder/g' |
    awk -F'\t' -v OFS='\t' -v name="$name" '
      name == "Component" && NR > 3 { $2 = "-" }
      name == "File" && NR > 3 { $4 = "-" }
      name == "Property" && $1 == "ProductCode" { $2 = "-" }
      { print }' >"$kWork/x86-$name.idt"
  [ -s "$kWork/x64-$name.idt" ] || fail "the x64 package has no $name table"
  diff -u "$kWork/x64-$name.idt" "$kWork/x86-$name.idt" >"$kWork/$name.diff" ||
    fail "$name differs between the packages:$(printf '\n')$(cat "$kWork/$name.diff")"
done

# What the normalisation hid must differ the right way.
directories() { table "$1" Directory | awk -F'\t' 'NR > 3 { print $1 }' | sort | tr '\n' ' '; }
[ "$(directories "$x64")" = "System64Folder TARGETDIR " ] ||
  fail "x64 directories: $(directories "$x64")"
[ "$(directories "$x86")" = "SystemFolder TARGETDIR " ] ||
  fail "x86 directories: $(directories "$x86")"
components_64bit() {
  table "$1" Component | awk -F'\t' -v flag="$k64BitComponent" \
    'NR > 3 { print $1, int($4 / flag) % 2 }' | sort | tr '\n' ' '
}
[ "$(components_64bit "$x64")" = "SaverChoice 1 SaverHelp 1 SaverProgram 1 " ] ||
  fail "x64 components not all 64-bit: $(components_64bit "$x64")"
[ "$(components_64bit "$x86")" = "SaverChoice 0 SaverHelp 0 SaverProgram 0 " ] ||
  fail "x86 components 64-bit: $(components_64bit "$x86")"
# A component code names one set of resources in one place.
shared=$(comm -12 <(table "$x64" Component | awk -F'\t' 'NR > 3 { print $2 }' | sort) \
                  <(table "$x86" Component | awk -F'\t' 'NR > 3 { print $2 }' | sort))
[ -z "$shared" ] || fail "component codes shared by both packages: $shared"
[ "$(property "$x64" ProductCode)" != "$(property "$x86" ProductCode)" ] ||
  fail "both packages have the product code $(property "$x64" ProductCode)"
for arch_template in "$x64:x64;1033" "$x86:Intel;1033"; do
  package=${arch_template%%:*}
  template=$(msiinfo suminfo "$package" | tr -d '\r' | sed -n 's/^Template: //p')
  [ "$template" = "${arch_template#*:}" ] || fail "$(basename "$package"): platform '$template'"
done
[ "$failures" -eq 0 ] && echo "ok: the x86 package's tables match the x64 package's"

# The upgrade table replaces every older version and refuses newer ones.
upgrade_rows=$(table "$x64" Upgrade | awk -F'\t' 'NR > 3 { print $2 "|" $3 "|" $5 "|" $7 }')
version=$(property "$x64" ProductVersion)
expected_rows="|$version|1|WIX_UPGRADE_DETECTED
$version||2|WIX_DOWNGRADE_DETECTED"
[ "$upgrade_rows" = "$expected_rows" ] || fail "upgrade rows: $upgrade_rows"

# Each zip: one folder with the saver, both help files and a CR LF read-me.
check_zip() {
  local zip=$1 build_dir folder listing expected
  build_dir=$(dirname "$zip")
  folder=$(basename "$zip" .zip)
  [ -f "$zip" ] || { fail "no $zip"; return; }
  listing=$(cmake -E tar tf "$zip" | grep -v '/$' | sort | tr '\n' ' ')
  expected="$folder/README.txt $folder/Vorlu12.chm $folder/Vorlu12.hlp $folder/Vorlunda.scr "
  [ "$listing" = "$expected" ] || fail "$folder.zip holds: $listing"
  (cd "$kWork" && cmake -E tar xf "$zip") || { fail "$folder.zip does not unpack"; return; }
  local file
  for file in Vorlunda.scr Vorlu12.hlp Vorlu12.chm; do
    cmp -s "$build_dir/$file" "$kWork/$folder/$file" || fail "$folder.zip: $file is not the built one"
  done
  local readme=$kWork/$folder/README.txt lines crlf
  lines=$(grep -c '' "$readme")
  crlf=$(grep -c $'\r$' "$readme")
  if [ "$lines" -le 5 ] || [ "$lines" != "$crlf" ]; then
    fail "$folder.zip: $crlf of $lines read-me lines end in CR LF"
  fi
  grep -q "Control Panel\\\\Screen Saver.Vorlunda" "$readme" ||
    fail "$folder.zip: the read-me does not say where the user's schemes stay"
  echo "ok: $folder.zip"
}
check_zip "$VORLUNDA_ZIP"
if [ -f "$VORLUNDA_X86_ZIP" ]; then
  check_zip "$VORLUNDA_X86_ZIP"
else
  echo "note: no 32-bit build beside this one, so no $VORLUNDA_X86_ZIP to check"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "the release files hold what they should"
