#!/bin/sh
# Fails when a translation file is behind the sources: lupdate, run on a copy,
# finds a text that is new, changed or gone, or a message is left unfinished
# or without a translation.
# Usage: check_translations.sh LUPDATE SOURCE_DIR "DIR..." TS_FILE...
set -u
lupdate=$1
source_dir=$2
dirs=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
cd "$source_dir" || exit 2
for ts in "$@"; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    # shellcheck disable=SC2086 # the folders are separate words
    if ! "$lupdate" -silent -no-obsolete -locations none -I . $dirs -ts "$copy" >"$work/log" 2>&1; then
        echo "$ts: lupdate failed:"
        cat "$work/log"
        status=1
        continue
    fi
    if ! cmp -s "$ts" "$copy"; then
        echo "$ts: the sources have texts this file does not (run the update_translations target):"
        diff -u "$ts" "$copy" | grep '^[-+] *<source>' | head -40
        status=1
    fi
    if grep -n 'type="unfinished"\|type="vanished"\|type="obsolete"\|<translation></translation>\|<translation/>' "$ts"; then
        echo "$ts: the messages above are not translated"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "every text of the sources is translated in: $*"
exit "$status"
