#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a copy of the tree in build/package (so the
# tree itself stays clean), checks it with lintian, and validates the desktop
# entry and the AppStream metadata as the package installs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
out=build/package
rm -rf "$out"
mkdir -p "$out/src"
tar --exclude=./build --exclude=./.git --exclude=./.cache -cf - . | tar -xf - -C "$out/src"
(cd "$out/src" && dpkg-buildpackage -us -uc -b)

deb=$(ls "$out"/cramer_*.deb)
lintian --fail-on error,warning --info "$out"/*.changes

root="$out/installed"
dpkg-deb -x "$deb" "$root"
# The print dialog's module where the program looks for it: beside it, under
# the library folder.
ls "$root"/usr/lib/*/cramer/libcramer-print.so
desktop-file-validate "$root"/usr/share/applications/*.desktop
# --no-net: no link checks, nothing here reaches the web. Any remark fails.
report=$(appstreamcli validate --pedantic --no-net "$root"/usr/share/metainfo/*.metainfo.xml)
echo "$report"
if grep -qE '^[EWIP]:' <<<"$report"; then exit 1; fi
# A software centre's catalogue must take the program, with its icon.
appstreamcli compose --result-root="$out/catalogue" --origin=cramer "$root" >/dev/null
zcat "$out"/catalogue/usr/share/swcatalog/xml/cramer.xml.gz | grep -q '<icon type="cached"'
echo "Package: $deb"
