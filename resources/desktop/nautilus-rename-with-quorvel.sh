#!/bin/bash
# "Rename with Quorvel" in Nautilus's Scripts menu: hands the selected items to Quorvel's
# "add" entry (a running Quorvel takes them, otherwise one starts).
#
# Nautilus passes each selected item as one argument (relative to the folder it runs the
# script in), which keeps names with line feeds whole. Without arguments the selection
# comes from NAUTILUS_SCRIPT_SELECTED_FILE_PATHS, one path per line: there a line that
# names nothing is joined with the following lines up to the first joined path that
# exists, so a name holding a line feed arrives whole as well.
set -u

if [ "$#" -gt 0 ]; then
    exec quorvel --add -- "$@"
fi

selected="${NAUTILUS_SCRIPT_SELECTED_FILE_PATHS:-}"
selected="${selected%$'\n'}"
[ -n "$selected" ] || exit 0
mapfile -t lines <<< "$selected"

exists() { [ -e "$1" ] || [ -L "$1" ]; }

paths=()
i=0
n=${#lines[@]}
while [ "$i" -lt "$n" ]; do
    take=1
    if ! exists "${lines[i]}"; then
        joined="${lines[i]}"
        for ((j = i + 1; j < n; j++)); do
            joined+=$'\n'"${lines[j]}"
            if exists "$joined"; then
                take=$((j - i + 1))
                break
            fi
        done
    fi
    if [ "$take" -eq 1 ]; then
        paths+=("${lines[i]}")
    else
        paths+=("$joined")
    fi
    i=$((i + take))
done
exec quorvel --add -- "${paths[@]}"
