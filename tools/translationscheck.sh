#!/bin/sh
# Every text the game's sources mark for translating is in the translators'
# files, translated: a text added to the game without its Spanish and French
# fails here. The files are read into a copy, so nothing is changed.
#     translationscheck.sh ROOT LUPDATE
set -eu
root=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$root"/translations/kelvarin_*.ts; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    (cd "$root" && "$lupdate" -silent -no-obsolete -locations none src -ts "$copy")
    missing=$(grep -c 'type="unfinished"' "$copy" || true)
    if [ "$missing" -ne 0 ]; then
        echo "$(basename "$ts"): $missing texts of the game are not translated:"
        grep -B2 'type="unfinished"' "$copy" | grep '<source>' | head -20
        status=1
    fi
done
exit $status
