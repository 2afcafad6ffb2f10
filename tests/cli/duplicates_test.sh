#!/bin/bash
# tessaly-cli duplicates: groups in order with their shade, size limits and refused input.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"

tree=$work/tree
mkdir -p "$tree/a" "$tree/b" "$tree/c"
head -c 256000 /dev/zero > "$tree/a/README.TXT"
head -c 256000 /dev/zero > "$tree/b/readme.txt"
head -c 255999 /dev/zero > "$tree/c/readme.txt"
head -c 300000 /dev/zero > "$tree/a/photo.jpg"
head -c 300000 /dev/zero > "$tree/c/photo.jpg"

out=$("$cli" duplicates "$tree")
check "exit code of a default search" 0 $?
check "heading row" $'Filename\tSize\tModified\tTime\tAccess\tFolder\tType' "$(head -n 1 <<<"$out")"
# Defaults: filename only, 250 KB and more, so the 255,999-byte readme stays out.
check "groups in order with alternating shades" \
  "photo.jpg $tree/a shaded|photo.jpg $tree/c shaded|README.TXT $tree/a plain|readme.txt $tree/b plain" \
  "$(tail -n +2 <<<"$out" | awk -F'\t' '{printf "%s%s %s %s", (NR > 1 ? "|" : ""), $1, $6, $8}')"
check "sizes of the rows" "256000 256000" "$(tail -n +2 <<<"$out" | awk -F'\t' 'tolower($1) ~ /readme/ {gsub(/,/, "", $2); printf "%s%s", (n++ ? " " : ""), $2}')"

out=$("$cli" duplicates --match 3 --between 250 250 "$tree")
check "size only, in between 250 and 250 KB" "$tree/a/README.TXT|$tree/b/readme.txt" \
  "$(tail -n +2 <<<"$out" | awk -F'\t' '{printf "%s%s/%s", (n++ ? "|" : ""), $6, $1}')"

out=$("$cli" duplicates --match 3 --between 100 100 --unit bytes "$tree" 2>"$work/err")
check "no duplicates of 100 bytes: only the heading" 1 "$(wc -l <<<"$out")"
check "no duplicates message" "No files found." "$(cat "$work/err")"

out=$("$cli" duplicates --between 200 100 "$tree" 2>"$work/err")
status=$?
check "second number below the first fails" 1 "$((status != 0))"
check "second number message" "The second number must be larger or equal than the first number" "$(cat "$work/err")"
check "nothing written on failure" "" "$out"

out=$("$cli" duplicates --match 8 "$tree" 2>/dev/null)
check "match mode out of range fails" 1 "$(( $? != 0 ))"
out=$("$cli" duplicates "$work/missing" 2>"$work/err")
check "missing folder fails" 1 "$(( $? != 0 ))"
check "missing folder message" "Can't open drive $work/missing" "$(cat "$work/err")"
check "nothing written for a missing folder" "" "$out"

finish
