#!/bin/bash
# Makes the Debian package of the saver for X displays from a native build:
#   make-deb.sh PROGRAM VERSION OUT_DIR
# It writes OUT_DIR/vorlunda.xml (the description for xscreensaver's
# settings, with the built-in schemes as choices) and
# OUT_DIR/vorlunda-x11_VERSION_ARCH.deb.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
version=$2
out=$3
arch=$(dpkg --print-architecture)
work=$(mktemp -d "$out/deb.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The choices are the built-in schemes, read from the program itself, so the
# list is written once; an empty configuration folder keeps any user's
# schemes out of it.
options=$work/options
mkdir -p "$work/empty"
XDG_CONFIG_HOME=$work/empty "$program" --list | cut -f1 >"$work/names"
[ -s "$work/names" ] || { echo "make-deb.sh: the program lists no schemes" >&2; exit 1; }
n=0
while IFS= read -r name; do
  n=$((n + 1))
  xml=${name//&/&amp;}
  xml=${xml//</&lt;}
  xml=${xml//\"/&quot;}
  shell=${xml//\'/\'\\\'\'}
  printf '    <option id="scheme%d" _label="%s" arg-set="-scheme '"'"'%s'"'"'"/>\n' \
    "$n" "$xml" "$shell" >>"$options"
done <"$work/names"
sed -e "/@SCHEME_OPTIONS@/{r $options" -e 'd}' "$here/vorlunda.xml.in" >"$out/vorlunda.xml"

root=$work/root
install -d "$root/DEBIAN" "$root/usr/libexec/xscreensaver" "$root/usr/share/xscreensaver/config" \
  "$root/usr/share/applications/screensavers" "$root/usr/share/doc/vorlunda-x11"
install -m 0755 "$program" "$root/usr/libexec/xscreensaver/vorlunda"
strip --strip-unneeded --remove-section=.comment --remove-section=.note \
  "$root/usr/libexec/xscreensaver/vorlunda"
install -m 0644 "$out/vorlunda.xml" "$root/usr/share/xscreensaver/config/vorlunda.xml"
install -m 0644 "$here/vorlunda.desktop" "$root/usr/share/applications/screensavers/vorlunda.desktop"
install -m 0644 "$here/copyright" "$root/usr/share/doc/vorlunda-x11/copyright"
sed "s/@VERSION@/$version/" "$here/changelog.in" | gzip -9n >"$root/usr/share/doc/vorlunda-x11/changelog.gz"
chmod 0644 "$root/usr/share/doc/vorlunda-x11/changelog.gz"

# dpkg-shlibdeps wants a source package's control file beside it.
mkdir -p "$work/debian"
printf 'Source: vorlunda\n\nPackage: vorlunda-x11\nArchitecture: any\n' >"$work/debian/control"
depends=$(cd "$work" && dpkg-shlibdeps -O "root/usr/libexec/xscreensaver/vorlunda" 2>/dev/null)
depends=${depends#shlibs:Depends=}
[ -n "$depends" ] || { echo "make-deb.sh: no library dependencies found" >&2; exit 1; }
size=$(du -sk --exclude=DEBIAN "$root" | cut -f1)
sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" -e "s/@SIZE@/$size/" \
  -e "s/@DEPENDS@/$depends/" "$here/control.in" >"$root/DEBIAN/control"
find "$root" -type d -exec chmod 0755 {} +
(cd "$root" && find usr -type f -exec md5sum {} + | sort -k2) >"$root/DEBIAN/md5sums"
chmod 0644 "$root/DEBIAN/md5sums"
dpkg-deb --root-owner-group -Zxz --build "$root" "$out/vorlunda-x11_${version}_${arch}.deb" >/dev/null
