#!/bin/bash
# tessaly-cli quick-clean: the default and the given types, hidden entries, order, messages.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"

disk=$work/disk
mkdir -p "$disk/sub" "$disk/.hidden-folder" "$work/other"
head -c 3000 /dev/zero > "$disk/sub/big.BAK"
head -c 10 /dev/zero > "$disk/small.tmp"
head -c 200 /dev/zero > "$disk/.hidden.old"
head -c 1 /dev/zero > "$disk/.hidden-folder/unseen.tmp"
head -c 1 /dev/zero > "$disk/keep.txt"
head -c 1 /dev/zero > "$disk/notes.swp"
ln -s "$disk/small.tmp" "$disk/link.tmp"
head -c 5 /dev/zero > "$work/other/x.swp"

output=$("$cli" quick-clean "$disk")
check_that "quick-clean exits 0" test $? -eq 0
check "the heading comes first" "$(printf 'Size\tModified\tTime\tAccess\tFileName\tType')" "$(head -n 1 <<<"$output")"
check "quick clean's own types, largest first, hidden files too, no link, no hidden folder" \
  "$(printf '3,000\t%s\n200\t%s\n10\t%s' "$disk/sub/big.BAK" "$disk/.hidden.old" "$disk/small.tmp")" \
  "$(tail -n +2 <<<"$output" | cut -f1,5)"

check "--patterns takes those types instead, over every PATH" \
  "$(printf '%s\n%s' "$work/other/x.swp" "$disk/notes.swp")" \
  "$("$cli" quick-clean --patterns '*.swp, *.nothing' "$work/other" "$disk" | tail -n +2 | cut -f5)"

"$cli" quick-clean --patterns '*.none' "$disk" >"$work/stdout" 2>"$work/stderr"
check_that "nothing found still succeeds" test $? -eq 0
check "nothing found says so" "No files found." "$(cat "$work/stderr")"
check "nothing found prints the heading alone" 1 "$(wc -l <"$work/stdout")"

"$cli" quick-clean "$work/nowhere" >"$work/stdout" 2>"$work/stderr"
check_that "a missing folder fails" test $? -ne 0
check_that "a missing folder gets the program's message" grep -qx "Can't open drive $work/nowhere" "$work/stderr"
"$cli" quick-clean --patterns , "$disk" >"$work/stdout" 2>"$work/stderr"
check_that "no pattern is refused" grep -q "Select at least one file extension" "$work/stderr"
"$cli" quick-clean >"$work/stdout" 2>"$work/stderr"
check_that "no folder is refused" grep -q "No folder given." "$work/stderr"

finish
