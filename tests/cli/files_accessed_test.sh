#!/bin/bash
# tessaly-cli files-accessed: each date kind and range at its boundary days, the pattern,
# 64-bit sizes, files without a creation date, and refused command lines.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"

tree=$work/Tree
mkdir -p "$tree/Sub" "$tree/.hidden"
dated() {  # relative path, access day, modification day
  printf 'x' > "$tree/$1"
  touch -a -d "$2 12:00" "$tree/$1"
  touch -m -d "$3 12:00" "$tree/$1"
}
dated Feb29.txt 2024-02-29 2024-04-01
dated Mar01.txt 2024-03-01 2024-03-31
dated Sub/Mar31.txt 2024-03-31 2024-03-01
dated Sub/Apr01.dat 2024-04-01 2024-02-29
dated .Mar15.txt 2024-03-15 2024-03-15
dated .hidden/Mar16.txt 2024-03-16 2024-03-16

names() {  # the Filename column of the data rows, sorted, joined by blanks
  tail -n +2 <<<"$1" | cut -f1 | sort | paste -sd' '
}

out=$("$cli" files-accessed --accessed --between 2024-03-01 2024-03-31 "$tree")
check "exit code" 0 $?
check "heading row" $'Filename\tAccessed\tCreated\tModified\tSize\tFolder\tType' "$(head -n 1 <<<"$out")"
check "accessed in between takes both boundary days, not the days beyond nor hidden files" \
  "Mar01.txt Mar31.txt" "$(names "$out")"
check "the folder column holds the walk's path" "$tree/Sub" "$(grep '^Mar31.txt' <<<"$out" | cut -f6)"

check "modified in between" "Mar01.txt Mar31.txt" \
  "$(names "$("$cli" files-accessed --modified --between 2024-03-01 2024-03-31 "$tree")")"
check "accessed on or before the start day" "Feb29.txt Mar01.txt" \
  "$(names "$("$cli" files-accessed --accessed --on-or-before 2024-03-01 "$tree")")"
check "modified on or after the start day" "Feb29.txt Mar01.txt" \
  "$(names "$("$cli" files-accessed --modified --on-or-after 2024-03-31 "$tree")")"
check "the pattern" "Apr01.dat" \
  "$(names "$("$cli" files-accessed --accessed --on-or-after 2024-01-01 --pattern '*.DAT' "$tree")")"

# Creation dates cannot be set; the file system either records them (today) or has none.
all="Apr01.dat Feb29.txt Mar01.txt Mar31.txt"
if [[ $(stat -c %W "$tree/Mar01.txt") == 0 ]]; then after=""; else after=$all; fi
check "created on or before: every file, dated or not" "$all" \
  "$(names "$("$cli" files-accessed --created --on-or-before 2099-12-31 "$tree")")"
check "created on or after: only files with a creation date" "$after" \
  "$(names "$("$cli" files-accessed --created --on-or-after 1980-01-01 "$tree")")"
check "created in between: only files with a creation date" "$after" \
  "$(names "$("$cli" files-accessed --created --between 1980-01-01 2099-12-31 "$tree")")"

truncate -s 5G "$tree/Sub/Huge.img"
touch -a -d "2024-03-10 12:00" "$tree/Sub/Huge.img"
out=$("$cli" files-accessed --accessed --between 2024-03-10 2024-03-10 "$tree")
check "a 5 GB file keeps its size" "5368709120" "$(tail -n +2 <<<"$out" | cut -f5 | tr -d ',')"

refused() {  # description, arguments...
  local what=$1; shift
  "$cli" files-accessed "$@" >"$work/stdout" 2>"$work/stderr"
  check "$what fails" 2 $?
  check_that "$what prints nothing" test ! -s "$work/stdout"
  check_that "$what names the usage" grep -q 'Usage: tessaly-cli files-accessed' "$work/stderr"
}
refused "no date kind" --on-or-after 2024-01-01 "$tree"
refused "two date kinds" --accessed --created --on-or-after 2024-01-01 "$tree"
refused "no range" --accessed "$tree"
refused "two ranges" --accessed --on-or-after 2024-01-01 --on-or-before 2024-01-01 "$tree"
refused "a date that is not YYYY-MM-DD" --accessed --on-or-after 3/1/2024 "$tree"
refused "a day that does not exist" --accessed --on-or-after 2023-02-29 "$tree"
refused "--between with one date" --accessed --between 2024-01-01
refused "--between the wrong way round" --accessed --between 2024-02-01 2024-01-01 "$tree"
refused "no folder" --accessed --on-or-after 2024-01-01

"$cli" files-accessed --accessed --on-or-after 2024-01-01 "$work/nowhere" >"$work/stdout" 2>"$work/stderr"
check "a missing folder fails" 1 $?
check "a missing folder gets the program's message" "Can't open drive $work/nowhere" "$(cat "$work/stderr")"

check_that "--help lists files-accessed" bash -c "\"$cli\" --help | grep -q 'files-accessed (--accessed'"

finish
