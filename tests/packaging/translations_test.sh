#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# Every text of the program is in each translation, translated: lupdate run over the sources
# finds nothing new, nothing gone and nothing unfinished.
set -euo pipefail
lupdate=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$source"
status=0
for ts in control/translations/wypelark_*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    only=()
    # English holds only the plural forms: its other texts are the sources themselves.
    [[ $ts == *_en.ts ]] && only=(-pluralonly)
    "$lupdate" -silent -I . -locations none -no-obsolete "${only[@]}" \
        list control ui cli app record \
        -ts "$copy" >/dev/null
    if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy"; then
        echo "$ts: texts missing, unfinished or no longer used:" >&2
        grep -B3 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy" |
            grep '<source>' >&2
        status=1
    elif ! diff -q "$ts" "$copy" >/dev/null; then
        echo "$ts: not as lupdate would write it; run lupdate over it" >&2
        diff "$ts" "$copy" >&2 || true
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "translations_test: every text translated"
exit "$status"
