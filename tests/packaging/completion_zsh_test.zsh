#!/usr/bin/zsh -f
# The zsh completion of quorvel-cli: the completion function runs under zsh with the
# completion system's entry points (_describe, _files, compadd, compset, _sequence)
# replaced by recorders, so what it offers for a command line can be read back.
# Usage: completion_zsh_test.zsh SOURCE_DIR BUILD_DIR
emulate -L zsh
source_dir=$1 build=$2
path=($build/cli $path)
failures=0
typeset -a offered

_describe() {
  local -a opts; local name
  while [[ $1 == -* ]]; do [[ $1 == -t ]] && shift; shift; done
  shift   # the description
  local array=$1; shift
  offered+=("${(@P)array}")
  [[ $* == *"-S ="* ]] && offered=("${(@)offered/%/ [suffix =]}")
}
_files() { offered+=("files $*") }
compadd() { [[ $1 == -- ]] && shift; offered+=("$@") }
compset() { [[ $1 == -P ]] && PREFIX=${PREFIX#*=} }
_sequence() { offered+=("sequence ${*}") }

source $source_dir/resources/completions/_quorvel-cli 2>/dev/null || true

# offers LINE: what the completion offers for the end of LINE.
offers() {
  local line=$1
  words=(${(z)line})
  [[ $line == *" " ]] && words+=("")
  CURRENT=${#words}
  PREFIX=${words[CURRENT]}
  offered=()
  _quorvel-cli
  print -rl -- $offered
}

check() {
  local label=$1 got=$2 expected=$3
  if [[ $got != $expected ]]; then
    print -u2 "FAIL: $label: expected:"; print -u2 -- "$expected"; print -u2 "  got:"; print -u2 -- "$got"
    (( failures++ ))
  fi
}
has() {
  local label=$1 got=$2 expected=$3
  if ! print -r -- "$got" | grep -qxF -- "$expected"; then
    print -u2 "FAIL: $label: \"$expected\" not offered among:"; print -u2 -- "${got[1,400]}"
    (( failures++ ))
  fi
}

has commands "$(offers 'quorvel-cli ')" 'preview:classify only; print one line per item'
has commands "$(offers 'quorvel-cli ')" 'keys:list the settings keys --set takes'
check "a key with its meaning" "$(offers 'quorvel-cli preview --set replaceRemoveT' | grep '^replaceRemoveThis:')" \
  'replaceRemoveThis:the text to find [suffix =]'
keys=$(quorvel-cli keys --format tsv | cut -f 1 | sort)
check "every key" "$(offers 'quorvel-cli preview --set ' | sed 's/:.*//' | sort)" "$keys"
check "flag values" "$(offers 'quorvel-cli preview --set isReplaceRemoveCaseSensitive=')" $'0:off\n1:on'
has "methods by name" "$(offers 'quorvel-cli preview --set selectedTab=')" '2:Replace/Remove'
has "methods by name" "$(offers 'quorvel-cli preview --set selectedTab=')" '9:Rename from List'
has "index values" "$(offers 'quorvel-cli preview --set insertDeleteInsertOptionIndex=')" '3:before a text'
check "a text key has no values" "$(offers 'quorvel-cli preview --set replaceRemoveThis=')" ''
has formats "$(offers 'quorvel-cli apply --format ')" 'json:an array of objects'
check profiles "$(offers 'quorvel-cli preview --profile ')" 'files -g *.qvprofile'
check rules "$(offers 'quorvel-cli preview --set selectedTab=2 --rule ')" 'files -g *.qvrule'
check paths "$(offers 'quorvel-cli preview --set selectedTab=2 ')" 'files '
has options "$(offers 'quorvel-cli export --')" '--include-location:add the folder of each item'
has tabs "$(offers 'quorvel-cli keys --tab ')" '5:General'
check "keys takes no paths" "$(offers 'quorvel-cli keys ')" ''

if (( failures )); then
  print -u2 "$failures failure(s)"
  exit 1
fi
print "all checks passed"
