#!/bin/bash
# tessaly-cli file-hogs: largest first by the real 64-bit size, paths in their own case.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"

tree=$work/Tree
mkdir -p "$tree/Mixed"
truncate -s 3G "$tree/Mixed/Huge.IMG"
head -c 400000 /dev/zero > "$tree/Mixed/Second.Dat"
head -c 300000 /dev/zero > "$tree/Mixed/Third.dat"
head -c 100 /dev/zero > "$tree/tiny.txt"

out=$("$cli" file-hogs "$tree")
check "exit code" 0 $?
check "heading row" $'Size\tModified\tTime\tAccess\tFileName\tType' "$(head -n 1 <<<"$out")"
check "largest first with real sizes and paths" \
  "3221225472 $tree/Mixed/Huge.IMG|400000 $tree/Mixed/Second.Dat|300000 $tree/Mixed/Third.dat" \
  "$(tail -n +2 <<<"$out" | awk -F'\t' '{gsub(/,/, "", $1); printf "%s%s %s", (NR > 1 ? "|" : ""), $1, $5}')"

out=$("$cli" file-hogs --smaller 10000 --pattern '*.dat' "$tree")
check "smaller than 10000 KB with a pattern leaves out the 3 GB file" \
  "$tree/Mixed/Second.Dat|$tree/Mixed/Third.dat" \
  "$(tail -n +2 <<<"$out" | awk -F'\t' '{printf "%s%s", (NR > 1 ? "|" : ""), $5}')"

out=$("$cli" file-hogs --unit MB "$tree" 2>/dev/null)
check "unknown unit fails" 1 "$(( $? != 0 ))"
check "nothing written on failure" "" "$out"

finish
