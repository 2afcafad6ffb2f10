#!/bin/bash
# tessaly-cli stats: labelled sections of the statistics run.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"
# The value of a row in a section: section, first cell, column (1-based).
cell() { awk -F'\t' -v s="[$1]" -v k="$2" -v c="$3" '/^\[/ {in_s = ($0 == s); next} in_s && $1 == k {print $c}' <<<"$out" | tr -d ,; }

tree=$work/tree
mkdir -p "$tree/sub"
head -c 4097 /dev/zero > "$tree/sub/report.html"
head -c 16385 /dev/zero > "$tree/.hidden"
head -c 8192 /dev/zero > "$tree/README"
head -c 10 /dev/zero > "$tree/data.backup"

out=$("$cli" stats "$tree")
check "exit code" 0 $?
check "files processed" 4 "$(cell Summary 'Files processed' 2)"
check ".HTML line" "4097 1" "$(cell Types .HTML 3) $(cell Types .HTML 4)"
check "no extension line" "8192" "$(cell Types '' 3)"
check "7-character extension has no line" "" "$(cell Types .BACKUP 3)"
check "16,385 bytes are in the second size class" 1 "$(cell Sizes '16K - 32K' 3)"
check "hidden file" "1 16385" "$(cell Attributes Hidden 2) $(cell Attributes Hidden 3)"
check "new files are at most 7 days old" 4 "$(cell 'Modified Date' '<= 7 days' 3)"
check "slack for 4K clusters" "$((4095 + 4095 + 0 + 4086))" "$(cell Overhang 4K 2)"

out=$("$cli" stats --include html,.backup "$tree" "$tree/sub")
check "selected types only" "Finished - 4 files processed 2 files found" "$(cell Summary Status 2)"
check "two folders: no overhang section" "" "$(grep -c '^\[Overhang\]' <<<"$out" | grep -v '^0$')"

out=$("$cli" stats --exclude html "$tree" 2>/dev/null)
check "all but the excluded type" 3 "$(cell Summary 'Files selected' 2)"

out=$("$cli" stats "$work/missing" 2>/dev/null)
check "missing folder fails" 1 "$(( $? != 0 ))"
check "nothing written on failure" "" "$out"

finish
