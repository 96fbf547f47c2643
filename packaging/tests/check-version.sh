#!/usr/bin/env bash
# The files whose own tooling keeps a version of their own (the Debian changelog, the metainfo's
# newest release, the manual page's header) must name the version the build gives the program.
# Usage: check-version.sh VERSION CHANGELOG METAINFO MANUAL_PAGE
set -euo pipefail

version=$1 changelog=$2 metainfo=$3 manual=$4
failures=0
agrees() {
    [ "$2" = "$version" ] || { echo "FAIL: $1 says \"$2\", the build \"$version\""; failures=$((failures + 1)); }
}

agrees debian/changelog "$(dpkg-parsechangelog -l "$changelog" -S Version)"
agrees "the metainfo's newest release" \
    "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)"
agrees "the manual page's header" "$(sed -n 's/^\.TH .*"Gelumpa Dravenik \([^"]*\)".*/\1/p' "$manual")"
[ "$failures" -eq 0 ]
