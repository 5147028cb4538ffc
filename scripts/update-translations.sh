#!/bin/sh
# Refreshes the translation sources from the code and the forms.
#
#   scripts/update-translations.sh          update translations/*.ts in place
#   scripts/update-translations.sh --check  leave them alone; fail when they
#                                           are out of date with the code or
#                                           still hold untranslated texts
#
# German (corvane_de.ts) gets every translatable text; new or changed texts
# arrive as "unfinished" and must be translated before committing.
# English is the source language, so corvane_en.ts keeps only plural forms
# (there are none at present) and never holds unfinished entries.
# Source locations are left out so that moving code does not churn the files.
set -eu

cd "$(dirname "$0")/.."

LUPDATE="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
SOURCES="app model storage metadata queries report ui cli"
# -I . resolves the repository-relative includes, so tr() in member
# functions defined in .cpp files gets its class as context.
COMMON_OPTIONS="-I . -locations none -no-obsolete -extensions cpp,h,ui -silent"

MODE=update
if [ "${1:-}" = "--check" ]; then
    MODE=check
elif [ $# -gt 0 ]; then
    echo "usage: $0 [--check]" >&2
    exit 2
fi

if [ ! -x "$LUPDATE" ]; then
    echo "lupdate not found at $LUPDATE (set LUPDATE)" >&2
    exit 2
fi

TARGET_DIR=translations
if [ "$MODE" = check ]; then
    TARGET_DIR=$(mktemp -d)
    trap 'rm -rf "$TARGET_DIR"' EXIT
    cp translations/corvane_de.ts translations/corvane_en.ts "$TARGET_DIR/"
fi

# shellcheck disable=SC2086
"$LUPDATE" $COMMON_OPTIONS $SOURCES -ts "$TARGET_DIR/corvane_de.ts"
# shellcheck disable=SC2086
"$LUPDATE" $COMMON_OPTIONS -pluralonly $SOURCES -ts "$TARGET_DIR/corvane_en.ts"

status=0
for ts in corvane_de.ts corvane_en.ts; do
    unfinished=$(grep -c 'type="unfinished"' "$TARGET_DIR/$ts" || true)
    if [ "$unfinished" -gt 0 ]; then
        echo "$ts: $unfinished text(s) still to translate (type=\"unfinished\")" >&2
        status=1
    fi
    if [ "$MODE" = check ] && ! cmp -s "translations/$ts" "$TARGET_DIR/$ts"; then
        echo "$ts: out of date with the code; run scripts/update-translations.sh" >&2
        diff -u "translations/$ts" "$TARGET_DIR/$ts" >&2 || true
        status=1
    fi
done
exit $status
