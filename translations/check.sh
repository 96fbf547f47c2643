#!/usr/bin/env bash
# Fails when a translation is behind the code: a text of the code missing from it, a text the code
# no longer has still in it, or an entry left unfinished. lupdate updates a copy, which must come
# out the same.
# Usage: check.sh TS_FILE LUPDATE [OPTION]... SOURCE...
set -euo pipefail

ts=$1
shift
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$ts" "$copy/"
"$@" -silent -ts "$copy/$(basename "$ts")"

failures=0
if ! diff -u "$ts" "$copy/$(basename "$ts")"; then
    echo "FAIL: $ts is behind the code; build the target gelumpa_ui_lupdate and translate what it adds"
    failures=1
fi
if grep -n 'type="unfinished"' "$ts"; then
    echo "FAIL: $ts leaves the entries above unfinished"
    failures=1
fi
[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$ts"): every text of the code, each translated"
