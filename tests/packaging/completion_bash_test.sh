#!/bin/bash
# The bash completion of quorvel-cli, driven as bash drives it: COMP_WORDS split at blanks
# and at "=" (as readline splits at COMP_WORDBREAKS), the function called, COMPREPLY read.
# Usage: completion_bash_test.sh SOURCE_DIR BUILD_DIR
set -u
. "$(dirname "$0")/testlib.sh"
source_dir=$1 build=$2
if [ ! -r /usr/share/bash-completion/bash_completion ]; then
    echo "bash-completion is not installed" >&2
    exit 77
fi
. /usr/share/bash-completion/bash_completion
. "$source_dir/resources/completions/quorvel-cli.bash"
PATH=$build/cli:$PATH
# Outside a real completion compopt refuses to run; what it sets is not checked here.
compopt() { :; }

# complete LINE: the candidates for the end of LINE, one per line, sorted.
complete_line() {
    local line=$1 word
    COMP_WORDS=()
    for word in $line; do
        while [[ $word == *=* ]]; do
            [ -n "${word%%=*}" ] && COMP_WORDS+=("${word%%=*}")
            COMP_WORDS+=("=")
            word=${word#*=}
        done
        [ -n "$word" ] && COMP_WORDS+=("$word")
    done
    [[ $line == *" " || $line == *= ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _quorvel_cli quorvel-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort
}

expect_equal "commands" "$(complete_line 'quorvel-cli ')" \
    "$(printf '%s\n' apply export import-list keys logs preview save-profile settings undo | sort)"
expect_equal "a command" "$(complete_line 'quorvel-cli sa')" "$(printf '%s\n' save-profile)"
expect_line "options" "$(complete_line 'quorvel-cli preview --no')" "--no-subfolders"
expect_line "export options" "$(complete_line 'quorvel-cli export --')" "--include-location"
expect_equal "formats" "$(complete_line 'quorvel-cli preview --format ')" "$(printf '%s\n' json table tsv)"

# Keys from the program: every key, each followed by "=".
all=$(complete_line 'quorvel-cli preview --set ')
expect_equal "every key" "$(printf '%s\n' "$all" | sed 's/=$//' | sort)" \
    "$(quorvel-cli keys --format tsv | cut -f 1 | sort)"
expect_equal "a key" "$(complete_line 'quorvel-cli apply --set replaceRemoveT')" "replaceRemoveThis="
expect_equal "flag values" "$(complete_line 'quorvel-cli preview --set isReplaceRemoveCaseSensitive=')" \
    "$(printf '%s\n' isReplaceRemoveCaseSensitive=0 isReplaceRemoveCaseSensitive=1)"
expect_equal "index values" "$(complete_line 'quorvel-cli preview --set removeReplaceIndex=')" \
    "$(printf '%s\n' removeReplaceIndex=0 removeReplaceIndex=1 removeReplaceIndex=2)"
expect_equal "methods" "$(complete_line 'quorvel-cli preview --set selectedTab=')" \
    "$(for t in 0 1 2 3 4 5 6 7 8 9; do echo selectedTab=$t; done)"
expect_equal "a text key has no values" "$(complete_line 'quorvel-cli preview --set replaceRemoveThis=')" ""

# Files: profiles, rules, paths.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir sub
touch a.qvprofile b.qvrule c.txt
expect_equal "profiles" "$(complete_line 'quorvel-cli preview --profile ')" "$(printf '%s\n' a.qvprofile sub)"
expect_equal "rules" "$(complete_line 'quorvel-cli apply --rule ')" "$(printf '%s\n' b.qvrule sub)"
expect_equal "paths" "$(complete_line 'quorvel-cli preview --set selectedTab=2 ')" \
    "$(printf '%s\n' a.qvprofile b.qvrule c.txt sub)"
expect_equal "keys takes no paths" "$(complete_line 'quorvel-cli keys ')" ""
expect_line "keys options" "$(complete_line 'quorvel-cli keys --')" "--tab"
finish
