# bash completion for quorvel-cli (needs the bash-completion package).
# The settings keys and their values come from the program itself: "quorvel-cli keys".

_quorvel_cli_keys_tsv()
{
    command "$1" keys --format tsv 2>/dev/null
}

_quorvel_cli()
{
    local cur prev words cword
    _init_completion -n = || return

    local commands="preview apply import-list undo logs export settings save-profile keys"
    local command="" i
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --profile | --rule | --set | --format | --import-type | --output | --columns | --tab | --sort) ((i++)) ;;
            --) break ;;
            -*) ;;
            *) command=${words[i]}; break ;;
        esac
    done

    case $prev in
        --profile) _filedir qvprofile; return ;;
        --rule) _filedir qvrule; return ;;
        --output) _filedir; return ;;
        --format) COMPREPLY=($(compgen -W "tsv json table" -- "$cur")); return ;;
        --import-type) COMPREPLY=($(compgen -W "files folders" -- "$cur")); return ;;
        --tab) COMPREPLY=($(compgen -W "0 1 2 3 4 5 6 7 8 9 none" -- "$cur")); return ;;
        --sort) COMPREPLY=($(compgen -W "name taken modified size name,desc taken,desc modified,desc size,desc" -- "$cur")); return ;;
        --columns)
            local prefix="" last=$cur
            if [[ $cur == *,* ]]; then
                prefix=${cur%,*},
                last=${cur##*,}
            fi
            COMPREPLY=($(compgen -P "$prefix" -W "filename newfilename location" -- "$last"))
            compopt -o nospace
            return
            ;;
        --set)
            if [[ $cur == *=* ]]; then
                local key=${cur%%=*} values
                values=$(_quorvel_cli_keys_tsv "${words[0]}" | awk -F '\t' -v key="$key" '$1 == key { print $6 }')
                values=$(printf '%s\n' "$values" | tr ';' '\n' | sed 's/=.*//')
                COMPREPLY=($(compgen -P "$key=" -W "$values" -- "${cur#*=}"))
            else
                COMPREPLY=($(compgen -S = -W "$(_quorvel_cli_keys_tsv "${words[0]}" | cut -f 1)" -- "$cur"))
                compopt -o nospace
            fi
            return
            ;;
    esac

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--help --version" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        fi
        return
    fi

    if [[ $cur == -* ]]; then
        local options="--profile --rule --set --folders --no-subfolders --format --yes --verbose --help"
        case $command in
            import-list) options="--import-type --apply --yes --format --verbose --help" ;;
            undo) options="--yes --format --verbose --help" ;;
            logs) options="--format --help" ;;
            export) options+=" --output --no-header --columns --include-location" ;;
            keys) options="--tab --format --help" ;;
        esac
        case $command in
            preview | apply | export) options+=" --sort" ;;
        esac
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    case $command in
        logs | keys | settings) ;;
        undo) _filedir xml ;;
        save-profile) _filedir qvprofile ;;
        *) _filedir ;;
    esac
}
complete -F _quorvel_cli quorvel-cli
