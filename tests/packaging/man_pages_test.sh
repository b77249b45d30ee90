#!/bin/bash
# The man pages as built: man reads them without a single warning, and their settings
# key tables hold every key that the built quorvel-cli knows, so the tables cannot be stale.
# Usage: man_pages_test.sh BUILD_DIR
set -u
. "$(dirname "$0")/testlib.sh"
build=$1
cli=$build/cli/quorvel-cli
keys=$("$cli" keys --format tsv | cut -f 1)
[ -n "$keys" ] || fail "quorvel-cli keys printed nothing"

for page in quorvel quorvel2 quorvel-cli; do
    source=$build/resources/man/$page.1
    if [ ! -s "$source" ] || [ ! -s "$source.gz" ]; then
        fail "$page: $source or its .gz was not built"
        continue
    fi
    warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$source" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: man warns: $warnings"
    warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$source.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page.gz: man warns: $warnings"
    text=$(MANWIDTH=200 LC_ALL=C.UTF-8 man -E UTF-8 -l "$source" 2>/dev/null | col -b)
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" "SETTINGS KEYS" ENVIRONMENT FILES "SEE ALSO"; do
        expect_line "$page" "$(printf '%s\n' "$text" | grep -E '^[A-Z]')" "$section"
    done
    grep -q '@' "$source" && fail "$page: a placeholder was left: $(grep -n '@' "$source" | head -3)"
    missing=0
    for key in $keys; do
        printf '%s\n' "$text" | grep -qE "^ +$key\$" || { missing=$((missing + 1)); [ $missing -le 5 ] && fail "$page: key $key is not listed"; }
    done
done

# quorvel-cli(1) describes the json output, the statuses and the exit statuses.
text=$(MANWIDTH=200 LC_ALL=C.UTF-8 man -E UTF-8 -l "$build/resources/man/quorvel-cli.1" 2>/dev/null | col -b)
for needle in fullPath newFilename itemType "File Already Exists" "Folder Not Found" "Renaming (OK)" \
              "Replace/Remove (selectedTab=2)" "Every method" "--no-subfolders" "XDG_DATA_HOME" \
              "quorvel-cli keys --tab 5"; do
    printf '%s\n' "$text" | grep -qF -- "$needle" || fail "quorvel-cli(1) does not mention \"$needle\""
done
# The values of an index key are spelled out beside it.
printf '%s\n' "$text" | grep -qF "Values: 0 replace, 1 remove, 2 remove characters." \
    || fail "quorvel-cli(1): the values of removeReplaceIndex are not listed"
text=$(MANWIDTH=200 LC_ALL=C.UTF-8 man -E UTF-8 -l "$build/resources/man/quorvel.1" 2>/dev/null | col -b)
printf '%s\n' "$text" | grep -qF "/usr/share/quorvel/nautilus-rename-with-quorvel.sh" \
    || fail "quorvel(1) does not say how to enable the Nautilus script"
finish
