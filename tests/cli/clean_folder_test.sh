#!/bin/bash
# tessaly-cli clean-folder: the three runs, the first question answered No without --yes,
# the safe harbor inside the folder, and the refusals.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"
# The default archive folder is the home folder: keep it inside the work folder.
export HOME=$work/home
mkdir -p "$HOME"

three_files() {  # folder
  mkdir -p "$1/sub"
  for name in a b c; do head -c 100 /dev/zero > "$1/$name.txt"; done
}

three_files "$work/del"
out=$("$cli" clean-folder --delete "$work/del" 2>"$work/err")
check "delete exits 0" 0 $?
check "delete reports the files and bytes" "Deleted 3 files for a savings of 300 bytes." "$out"
check_that "the folder is gone" test ! -e "$work/del"
check "nothing on stderr" "" "$(cat "$work/err")"

three_files "$work/tr"
out=$("$cli" clean-folder --trash "$work/tr")
check "trash exits 0" 0 $?
check "trash reports like delete" "Deleted 3 files for a savings of 300 bytes." "$out"
check_that "the files are in the trash" test -f "$XDG_DATA_HOME/Trash/files/b.txt"

three_files "$work/zip"
out=$("$cli" clean-folder --zip --keep-files "$work/zip")
check "zip without deleting exits 0" 0 $?
check "zip reports the files" "Zipped up 3 files" "$(head -n1 <<<"$out")"
archive=$(sed -n 's/^Stored in the archive "\(.*\)"$/\1/p' <<<"$out")
check_that "the archive is in the archive folder" test "$(dirname "$archive")" = "$HOME"
check "the archive holds the three files" 3 "$(unzip -Z1 "$archive" | wc -l)"
check_that "the files stay" test -f "$work/zip/a.txt"

mkdir -p "$work/hid"
echo secret > "$work/hid/.secret"
"$cli" clean-folder --delete "$work/hid" >/dev/null 2>"$work/err"
check "without --yes the question is refused and the run fails" 1 $?
check_that "the question is printed with its answer" grep -q "$work/hid/.secret is hidden, .*" "$work/err"
check_that "the answer is printed" grep -q "^Answered Cancel.$" "$work/err"
check_that "the hidden file stays" test -f "$work/hid/.secret"
"$cli" clean-folder --delete --yes "$work/hid" >/dev/null 2>&1
check "with --yes it goes" 0 $?
check_that "the folder is gone" test ! -e "$work/hid"

mkdir -p "$work/harbor/keep" "$XDG_DATA_HOME/tessaly"
echo keep > "$work/harbor/keep/x.txt"
echo go > "$work/harbor/y.txt"
printf '%s\r\n' "$work/harbor/keep/" > "$XDG_DATA_HOME/tessaly/folders.txt"
"$cli" clean-folder --delete "$work/harbor" >/dev/null 2>"$work/err"
check "without --yes the safe harbor warning is declined" 1 $?
check_that "the warning names the protected folder" grep -q "^$work/harbor/keep/ (" "$work/err"
check_that "nothing is removed" test -f "$work/harbor/y.txt"
out=$("$cli" clean-folder --delete --yes "$work/harbor" 2>/dev/null)
check "with --yes what the safe harbor keeps is no failure" 0 $?
check_that "the protected file stays" test -f "$work/harbor/keep/x.txt"
check_that "the other file goes" test ! -e "$work/harbor/y.txt"
check_that "the report counts the kept file" grep -q "^1 files on the Safe Harbor List were kept in place.$" <<<"$out"

for folder in / /usr "$HOME"; do
  "$cli" clean-folder --delete --yes "$folder" >"$work/out" 2>"$work/err"
  check "$folder is refused" 2 $?
  check "nothing printed for $folder" "" "$(cat "$work/out")"
done
check "the system folder message" "You cannot delete a system folder using Tessaly 99" \
  "$("$cli" clean-folder --delete /usr 2>&1)"

for arguments in "--delete --trash $work" "--delete" "--keep-files --delete $work" "--bogus --delete $work"; do
  "$cli" clean-folder $arguments >/dev/null 2>"$work/err"
  check "usage error for: $arguments" 2 $?
  check_that "usage printed for: $arguments" grep -q "Usage: tessaly-cli clean-folder" "$work/err"
done

finish
