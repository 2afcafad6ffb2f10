#!/bin/bash
# tessaly-cli strings: the readable runs of a file, as the viewer's strings window lists them.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"

printf 'short\0Hello World\0Hello World\0ab\tSecond string here\n' > "$work/data.bin"
out=$("$cli" strings "$work/data.bin")
check "exit code" 0 $?
check "runs of more than five characters, repeats once" $'Hello World\nSecond string here' "$out"

: > "$work/empty"
check "an empty file lists nothing" "" "$("$cli" strings "$work/empty")"

out=$("$cli" strings "$work/missing" 2>"$work/err")
check "a missing file fails" 1 "$(( $? != 0 ))"
check "and says so" "Could not open file $work/missing" "$(cat "$work/err")"

"$cli" strings 2>/dev/null
check "no file is an error" 1 "$(( $? != 0 ))"
"$cli" strings --bogus "$work/data.bin" 2>/dev/null
check "an unknown option is an error" 1 "$(( $? != 0 ))"

finish
