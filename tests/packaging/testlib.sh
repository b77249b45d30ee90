# Shared by the shell tests of tests/packaging: failures are counted and reported at the end.
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# expect_contains LABEL HAYSTACK NEEDLE: the text holds the line NEEDLE.
expect_line() {
    if ! printf '%s\n' "$2" | grep -qxF -- "$3"; then
        fail "$1: no line \"$3\" in:"
        printf '%s\n' "$2" | head -20 | sed 's/^/    /' >&2
    fi
}

expect_no_line() {
    if printf '%s\n' "$2" | grep -qxF -- "$3"; then
        fail "$1: unexpected line \"$3\""
    fi
}

expect_equal() {
    if [ "$2" != "$3" ]; then
        fail "$1: expected:"
        printf '%s\n' "$3" | sed 's/^/    /' >&2
        echo "  got:" >&2
        printf '%s\n' "$2" | sed 's/^/    /' >&2
    fi
}

finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures failure(s)" >&2
        exit 1
    fi
    echo "all checks passed"
}
