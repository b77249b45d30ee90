#!/usr/bin/fish
# The fish completion of quorvel-cli, asked as fish asks it: "complete -C LINE".
# Usage: completion_fish_test.fish SOURCE_DIR BUILD_DIR
set source_dir $argv[1]
set build $argv[2]
set -x PATH $build/cli $PATH
source $source_dir/resources/completions/quorvel-cli.fish
set failures 0

function check
    set -l label $argv[1]
    set -l line $argv[2]
    set -l expected (string join \n -- $argv[3..-1])
    set -l got (complete -C "$line" | sort | string join \n)
    if test "$got" != "$expected"
        echo "FAIL: $label: for \"$line\" expected:" >&2
        printf '    %s\n' (string split \n -- "$expected") >&2
        echo "  got:" >&2
        printf '    %s\n' (string split \n -- "$got") >&2
        set failures (math $failures + 1)
    end
end

# The candidates' names only, without their descriptions.
function check_names
    set -l label $argv[1]
    set -l line $argv[2]
    set -l expected (string join ' ' -- $argv[3..-1])
    set -l got (complete -C "$line" | string replace -r '\t.*' '' | sort | string join ' ')
    if test "$got" != "$expected"
        echo "FAIL: $label: for \"$line\" expected \"$expected\", got \"$got\"" >&2
        set failures (math $failures + 1)
    end
end

function has --argument-names label line expected
    if not contains -- $expected (complete -C "$line")
        echo "FAIL: $label: \"$expected\" is not among the candidates for \"$line\"" >&2
        set failures (math $failures + 1)
    end
end

has commands 'quorvel-cli ' (printf 'preview\tclassify only; print one line per item')
has commands 'quorvel-cli ' (printf 'keys\tlist the settings keys --set takes')
check "a command" 'quorvel-cli sav' (printf 'save-profile\twrite the settings as a profile')
check "a key with its meaning" 'quorvel-cli preview --set replaceRemoveT' (printf 'replaceRemoveThis=\tthe text to find')
check "flag values" 'quorvel-cli preview --set isReplaceRemoveCaseSensitive=' (printf 'isReplaceRemoveCaseSensitive=0\toff\nisReplaceRemoveCaseSensitive=1\ton')
has "methods by name" 'quorvel-cli apply --set selectedTab=' (printf 'selectedTab=2\tReplace/Remove')
has "methods by name" 'quorvel-cli apply --set selectedTab=' (printf 'selectedTab=9\tRename from List')
has "index values" 'quorvel-cli apply --set generalOptionIndex=' (printf 'generalOptionIndex=4\treverse the name')
set -l every (complete -C 'quorvel-cli preview --set ' | string replace -r '=\t.*$' '' | sort)
set -l keys (quorvel-cli keys --format tsv | cut -f 1 | sort)
if test "$every" != "$keys"
    echo "FAIL: --set does not offer exactly the program's keys" >&2
    set failures (math $failures + 1)
end
has formats 'quorvel-cli preview --format ' (printf 'json\tan array of objects')
has options 'quorvel-cli preview --no-' (printf '%s\t%s' --no-subfolders 'do not descend into the folders given')
has tabs 'quorvel-cli keys --tab ' (printf '7\tPhoto Metadata')

set work (mktemp -d)
cd $work
mkdir sub
touch a.qvprofile b.qvrule c.txt
check_names profiles 'quorvel-cli preview --profile ' a.qvprofile sub/
check_names rules 'quorvel-cli preview --rule ' b.qvrule sub/
check_names paths 'quorvel-cli preview ' a.qvprofile b.qvrule c.txt sub/
check_names "keys takes no paths" 'quorvel-cli keys '
cd /
rm -rf $work

if test $failures -ne 0
    echo "$failures failure(s)" >&2
    exit 1
end
echo "all checks passed"
