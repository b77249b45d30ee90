# fish completion for quorvel-cli. The settings keys and their values come from the program
# itself: "quorvel-cli keys".

function __quorvel_cli_keys_tsv
    set -l program (commandline -opc)[1]
    command $program keys --format tsv 2>/dev/null
end

# --set KEY=VALUE: "KEY=" with the key's meaning, then, once the "=" is typed, the values of
# a key with few of them (flags 0/1, index keys, selectedTab with the method names).
function __quorvel_cli_set
    set -l token (commandline -ct)
    if string match -q -- '*=*' $token
        set -l key (string split -m 1 = -- $token)[1]
        for line in (__quorvel_cli_keys_tsv)
            set -l fields (string split \t -- $line)
            if test "$fields[1]" = "$key"
                for pair in (string split ';' -- $fields[6])
                    set -l value (string split -m 1 = -- $pair)
                    test -n "$value[1]"; and printf '%s=%s\t%s\n' $key $value[1] $value[2]
                end
            end
        end
    else
        __quorvel_cli_keys_tsv | string replace -r '^([^\t]*)\t(?:[^\t]*\t){5}(.*)$' '$1=\t$2'
    end
end

function __quorvel_cli_tabs
    for line in (__quorvel_cli_keys_tsv)
        set -l fields (string split \t -- $line)
        if test "$fields[1]" = selectedTab
            string split ';' -- $fields[6] | string replace = \t
        end
    end
    printf 'none\tkeys of no method\n'
end

# The folders and the files with the given suffix that complete the current token.
function __quorvel_cli_files_with --argument-names suffix
    set -l token (commandline -ct)
    for path in $token*
        if test -d $path
            printf '%s/\n' $path
        else if string match -q -- "*$suffix" $path
            echo $path
        end
    end
end

set -l commands preview apply import-list undo logs export settings save-profile keys
complete -c quorvel-cli -f
complete -c quorvel-cli -n "not __fish_seen_subcommand_from $commands" -a preview -d 'classify only; print one line per item'
complete -c quorvel-cli -n "not __fish_seen_subcommand_from $commands" -a apply -d 'preview, then rename on disk and write a rename log'
complete -c quorvel-cli -n "not __fish_seen_subcommand_from $commands" -a import-list -d 'load a tab-separated list; rename as it says'
complete -c quorvel-cli -n "not __fish_seen_subcommand_from $commands" -a undo -d 'undo a rename log (the newest one by default)'
complete -c quorvel-cli -n "not __fish_seen_subcommand_from $commands" -a logs -d 'list the rename logs that can be undone'
complete -c quorvel-cli -n "not __fish_seen_subcommand_from $commands" -a export -d 'preview, then write the list as tab-separated text'
complete -c quorvel-cli -n "not __fish_seen_subcommand_from $commands" -a settings -d 'print the settings as an XML plist'
complete -c quorvel-cli -n "not __fish_seen_subcommand_from $commands" -a save-profile -d 'write the settings as a profile'
complete -c quorvel-cli -n "not __fish_seen_subcommand_from $commands" -a keys -d 'list the settings keys --set takes'

# Paths for the commands that take them.
set -l valued '__fish_prev_arg_in --profile --rule --set --format --import-type --output --columns --tab --sort'
complete -c quorvel-cli -n "__fish_seen_subcommand_from preview apply export import-list; and not $valued" -F
complete -c quorvel-cli -n "__fish_seen_subcommand_from undo; and not $valued" -k -a "(__quorvel_cli_files_with .xml)"
complete -c quorvel-cli -n "__fish_seen_subcommand_from save-profile; and not $valued" -k -a "(__quorvel_cli_files_with .qvprofile)"

set -l settings_commands preview apply export settings save-profile
complete -c quorvel-cli -n "__fish_seen_subcommand_from $settings_commands" -l profile -x -k -a "(__quorvel_cli_files_with .qvprofile)" -d 'start from this profile'
complete -c quorvel-cli -n "__fish_seen_subcommand_from $settings_commands" -l rule -x -k -a "(__quorvel_cli_files_with .qvrule)" -d 'run this rule chain instead of the selected method'
complete -c quorvel-cli -n "__fish_seen_subcommand_from $settings_commands" -l set -x -a "(__quorvel_cli_set)" -d 'set one settings key (KEY=VALUE)'
complete -c quorvel-cli -n "__fish_seen_subcommand_from $settings_commands" -l folders -d 'rename the folders themselves'
complete -c quorvel-cli -n "__fish_seen_subcommand_from $settings_commands" -l no-subfolders -d 'do not descend into the folders given'
complete -c quorvel-cli -l format -x -a "tsv\t'one line per item, tab-separated' json\t'an array of objects' table\t'aligned columns for people'" -d 'output form'
complete -c quorvel-cli -s y -l yes -d 'answer yes to every confirmation'
complete -c quorvel-cli -l verbose -d 'print progress and timing on stderr'
complete -c quorvel-cli -s h -l help -d 'print a short usage'
complete -c quorvel-cli -n "not __fish_seen_subcommand_from $commands" -l version -d "print the program's name and version"
complete -c quorvel-cli -n "__fish_seen_subcommand_from import-list" -l import-type -x -a "files folders" -d 'the list names files or folders'
complete -c quorvel-cli -n "__fish_seen_subcommand_from import-list" -l apply -d 'rename as the list says'
complete -c quorvel-cli -n "__fish_seen_subcommand_from export" -l output -r -F -d 'the file to write'
complete -c quorvel-cli -n "__fish_seen_subcommand_from export" -l no-header -d 'leave out the header line'
complete -c quorvel-cli -n "__fish_seen_subcommand_from export" -l columns -x -a "filename newfilename location" -d 'the columns to write'
complete -c quorvel-cli -n "__fish_seen_subcommand_from export" -l include-location -d 'add the folder of each item'
complete -c quorvel-cli -n "__fish_seen_subcommand_from keys" -l tab -x -a "(__quorvel_cli_tabs)" -d 'only the keys of one method tab'
complete -c quorvel-cli -n "__fish_seen_subcommand_from preview apply export" -l sort -x -a "name taken modified size name,desc taken,desc modified,desc size,desc" -d 'order of the list, which numbers follow'
