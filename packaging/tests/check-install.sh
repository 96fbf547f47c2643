#!/usr/bin/env bash
# Installs a built tree into a scratch prefix and checks that the binary, its manual page, the
# launcher entry, metainfo and every themed icon size land where shells, man and desktops look for them.
# Usage: check-install.sh BUILD_DIR BINDIR MANDIR DATADIR APP_ID SIZE...
set -euo pipefail

build=$1 bindir=$2 mandir=$3 datadir=$4 appid=$5
shift 5

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ -x "$prefix/$bindir/gelumpa" ] || fail "no executable $bindir/gelumpa"
[ -f "$prefix/$mandir/man6/gelumpa.6" ] || fail "no manual page $mandir/man6/gelumpa.6"

# The launcher must start the installed binary and name the installed icon; the metainfo must name the launcher.
desktop="$prefix/$datadir/applications/$appid.desktop"
metainfo="$prefix/$datadir/metainfo/$appid.metainfo.xml"
if [ -f "$desktop" ]; then
    grep -qx 'Exec=gelumpa' "$desktop" || fail "launcher does not run gelumpa"
    grep -qx "Icon=$appid" "$desktop" || fail "launcher does not name icon $appid"
else
    fail "no launcher entry $appid.desktop"
fi
if [ -f "$metainfo" ]; then
    grep -q "<launchable type=\"desktop-id\">$appid.desktop</launchable>" "$metainfo" \
        || fail "metainfo does not launch $appid.desktop"
else
    fail "no metainfo $appid.metainfo.xml"
fi
for size in "$@"; do
    icon="$prefix/$datadir/icons/hicolor/${size}x${size}/apps/$appid.png"
    if [ ! -f "$icon" ]; then
        fail "no ${size}px icon"
        continue
    fi
    actual=$(identify -format '%m %wx%h' "$icon")
    [ "$actual" = "PNG ${size}x${size}" ] || fail "${size}px icon is $actual"
done

[ "$failures" -eq 0 ] || exit 1
echo "installed: binary, manual page, launcher entry, metainfo, icons $*"
