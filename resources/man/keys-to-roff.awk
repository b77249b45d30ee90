# Turns the tsv of "quorvel-cli keys" (key, kind, default, tab, method, values, meaning) into
# the man pages' SETTINGS KEYS section: one subsection per method, keys of no method first.
BEGIN { FS = "\t" }

function esc(text) {
    gsub(/\\/, "\\e", text)
    gsub(/-/, "\\-", text)
    return text
}

function roff(text) {
    return "\\&" esc(text)
}

function capital(text) {
    return toupper(substr(text, 1, 1)) substr(text, 2)
}

{
    n++
    key[n] = $1; kind[n] = $2; def[n] = $3; tab[n] = $4; values[n] = $6; meaning[n] = $7
    if ($4 != "-") method[$4] = $5
}

function emit(t, title,    i, line, count, parts, j, pair) {
    print ".SS \"" title "\""
    for (i = 1; i <= n; i++) {
        if (tab[i] != t)
            continue
        print ".TP"
        print ".B " key[i]
        print "\\&" capital(kind[i]) ", default " (def[i] == "" ? "empty" : "\\(lq" esc(def[i]) "\\(rq") "."
        print roff(capital(meaning[i])) "."
        if (values[i] != "" && kind[i] != "flag") {
            count = split(values[i], parts, ";")
            line = "Values:"
            for (j = 1; j <= count; j++) {
                pair = parts[j]
                sub(/=/, " ", pair)
                line = line (j > 1 ? "," : "") " " pair
            }
            print roff(line) "."
        }
    }
}

END {
    emit("-", "Every method")
    for (t = 0; t <= 9; t++)
        if (t in method)
            emit(t "", method[t] " (selectedTab=" t ")")
}
