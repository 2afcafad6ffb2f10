#!/bin/bash
# tessaly-cli zip-delete: files go into the run's archive and are deleted; a file the safe
# harbor protects (here: in a folder of PATH) is reported and stays.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"

mkdir -p "$work/data/sub" "$work/tools" "$work/archives"
echo "first" > "$work/data/a.txt"
echo "second" > "$work/data/sub/b.txt"
echo "keep me" > "$work/tools/run.sh"

err=$(PATH="$PATH:$work/tools" "$cli" zip-delete --tag TempClean --folder "$work/archives" \
      "$work/data/a.txt" "$work/data/sub/b.txt" "$work/tools/run.sh" 2>&1 >/dev/null)
check "a protected file makes the run fail" 1 "$(( $? != 0 ))"
check_that "the protected file is reported" grep -q "$work/tools/run.sh" <<< "$err"
check_that "the protected file stays" test -f "$work/tools/run.sh"
check_that "a.txt is deleted" test ! -e "$work/data/a.txt"
check_that "b.txt is deleted" test ! -e "$work/data/sub/b.txt"

archive=$(ls "$work"/archives/Drive-root-TempClean*.zip)
listing=$(unzip -Z1 "$archive" | sort)
check "the archive holds the two files by their paths" \
  "$(printf '%s\n%s' "${work#/}/data/a.txt" "${work#/}/data/sub/b.txt")" "$listing"
check "the archived bytes" "second" "$(unzip -p "$archive" "${work#/}/data/sub/b.txt")"

out=$("$cli" zip-delete --tag TempClean "$work/data/a.txt" 2>/dev/null)
check "no archive folder is a usage error" 1 "$(( $? != 0 ))"
check "nothing printed on a usage error" "" "$out"

finish
