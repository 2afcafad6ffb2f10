#!/bin/bash
# tessaly-cli folder-hogs: output, --html, bad options and a folder that cannot be entered.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"

tree="$work/tree"
mkdir -p "$tree/Big/Deep/er" "$tree/small" "$tree/.hidden"
head -c 3000 /dev/zero > "$tree/Big/Deep/er/a"
head -c 100 /dev/zero > "$tree/Big/b"
head -c 7 /dev/zero > "$tree/small/c"
head -c 9 /dev/zero > "$tree/.hidden/d"
head -c 1 /dev/zero > "$tree/top"

main=$("$cli" folder-hogs "$tree")
check_that "main mode exits 0" test $? -eq 0
expected_heading=$(printf 'Size\t%% Used\t# Files\t# Sub-folders\tLatest File Access\tName')
check_that "heading row first" test "$(head -n1 <<<"$main")" = "$expected_heading"
check_that "main mode lists the two visible main folders, largest first, path in its own case" \
  test "$(tail -n +2 <<<"$main" | cut -f1,3,4,6)" = "$(printf '3,100\t2\t2\t%s\n7\t1\t0\t%s' "$tree/Big" "$tree/small")"

all=$("$cli" folder-hogs --all "$tree")
check_that "all mode lists every entered folder and the root" \
  test "$(tail -n +2 <<<"$all" | cut -f1,3,4,6)" = "$(printf '3,000\t1\t0\t%s\n100\t1\t1\t%s\n7\t1\t0\t%s\n1\t1\t3\t%s\n0\t0\t1\t%s' \
    "$tree/Big/Deep/er" "$tree/Big" "$tree/small" "$tree" "$tree/Big/Deep")"

check_that "--html writes a web page" "$cli" folder-hogs --all --html "$work/out.htm" "$tree"
check_that "the page holds the table" grep -q "<table border=1>" "$work/out.htm"
check_that "the page names the deepest folder" grep -q "$tree/Big/Deep/er" "$work/out.htm"

"$cli" folder-hogs --bogus "$tree" >"$work/stdout" 2>"$work/stderr"
check_that "a bad option fails" test $? -ne 0
check_that "a bad option is explained on stderr" grep -q 'Unknown option "--bogus"' "$work/stderr"
check_that "a bad option prints no result" test ! -s "$work/stdout"

"$cli" folder-hogs --html "$work/missing.htm" "$work/nowhere" >"$work/stdout" 2>"$work/stderr"
check_that "a missing folder fails" test $? -ne 0
check_that "a missing folder gets the program's message" grep -qx "Can't open drive $work/nowhere" "$work/stderr"
check_that "a missing folder writes no page" test ! -e "$work/missing.htm"

"$cli" folder-hogs --html >"$work/stdout" 2>"$work/stderr"
check_that "--html without a file fails" test $? -ne 0

check_that "--help lists folder-hogs" bash -c "\"$cli\" --help | grep -q 'folder-hogs \[--main|--all\]'"

finish
