#!/usr/bin/env bash
# Every text the code holds has its finished translation, and none is left
# over: lupdate run over the sources into a copy of each .ts file changes no
# entry into an unfinished, vanished or obsolete one.
# Usage: test_translations.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source=$(cd "$2" && pwd -P)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for ts in "$source"/translations/*.ts; do
    copy="$tmp/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent "$source/rules" "$source/platform" "$source/ui" "$source/app" -ts "$copy"
    if grep -n -E 'type="(unfinished|vanished|obsolete)"' "$copy" >&2; then
        echo "FAIL: $(basename "$ts") is not up to date with the code (above: its entries left over or untranslated)" >&2
        status=1
    fi
done
exit $status
