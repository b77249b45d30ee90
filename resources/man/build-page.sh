#!/bin/sh
# Makes one man page from its source: the version filled in and the line "@SETTINGS_KEYS@"
# replaced by the key tables that quorvel-cli itself prints; beside it OUTPUT.gz.
# Usage: build-page.sh QUORVEL_CLI KEYS_TO_ROFF_AWK SOURCE OUTPUT VERSION VERSION2
set -eu
cli=$1 awkfile=$2 source=$3 output=$4 version=$5 version2=$6
keys=$(mktemp)
trap 'rm -f "$keys"' EXIT
"$cli" keys --format tsv | awk -f "$awkfile" > "$keys"
[ -s "$keys" ]
sed -e "s/@VERSION@/$version/g" -e "s/@VERSION2@/$version2/g" \
    -e "/^@SETTINGS_KEYS@\$/{r $keys" -e 'd;}' "$source" > "$output.tmp"
mv "$output.tmp" "$output"
gzip -9n -c "$output" > "$output.gz.tmp"
mv "$output.gz.tmp" "$output.gz"
