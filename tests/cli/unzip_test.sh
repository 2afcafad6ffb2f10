#!/bin/bash
# tessaly-cli unzip: an archive made by zip-delete is listed and restored from a script with
# the same bytes, times and modes at the same paths; a restore through a linked folder; the
# refusal of existing files; a name that is not UTF-8.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"

mkdir -p "$work/data/a/b" "$work/data/c" "$work/archives" "$work/root"
printf 'first\n' > "$work/data/a/one.txt"
printf 'second' > "$work/data/a/b/two.txt"
printf '#!/bin/sh\necho three\n' > "$work/data/c/three.sh"
chmod 0640 "$work/data/a/one.txt"
chmod 0600 "$work/data/a/b/two.txt"
chmod 0755 "$work/data/c/three.sh"
touch -m -d '2001-02-03 04:05:07' "$work/data/a/one.txt"
touch -m -d '2001-06-07 08:09:11' "$work/data/a/b/two.txt"
touch -m -d '2001-12-31 23:59:59' "$work/data/c/three.sh"
files=("$work/data/a/one.txt" "$work/data/a/b/two.txt" "$work/data/c/three.sh")
declare -A before
for f in "${files[@]}"; do before[$f]="$(stat -c '%a %Y %s' "$f") $(sha1sum < "$f")"; done

"$cli" zip-delete --tag Test --folder "$work/archives" "${files[@]}" > /dev/null
check "zip-delete succeeds" 0 $?
archive=$(ls "$work"/archives/Drive-root-Test*.zip)

listing=$("$cli" unzip --list "$archive" | sort)
check "--list names each entry by its path" \
  "$(printf '%s\n' "${files[@]#/}" | sort)" "$listing"

out=$("$cli" unzip "$archive" "$work/root" 2>&1)
check "unzip succeeds" 0 $?
check "the closing words" "Files were unzipped" "$out"
for f in "${files[@]}"; do
  check "$f comes back with its mode, time, size and bytes" "${before[$f]}" \
    "$(stat -c '%a %Y %s' "$work/root$f") $(sha1sum < "$work/root$f")"
done

printf 'changed since' > "$work/root$work/data/a/one.txt"
out=$("$cli" unzip "$archive" "$work/root" 2>"$work/err")
check "unzip over existing files fails" 1 $?
check "the summary says none were unzipped and why" \
  "$(printf '0 of 3 files were unzipped; 3 were not.\n3 already there: an existing file is never replaced.')" "$out"
check_that "each entry is reported with the reason" grep -q "^Cannot extract ${work#/}/data/a/one.txt from $(basename "$archive")$" "$work/err"
check_that "the reason follows on its own line" grep -q "^A file of that name is there already, and it is never replaced.$" "$work/err"
check "an existing file is never replaced" "changed since" "$(cat "$work/root$work/data/a/one.txt")"

# A root whose first folder is a link to another of its folders, as /home -> /var/home.
first=${work#/}
first=${first%%/*}
mkdir -p "$work/linked/var/$first"
ln -s "var/$first" "$work/linked/$first"
out=$("$cli" unzip "$archive" "$work/linked" 2>&1)
check "a restore through a linked folder succeeds" 0 $?
check "the file goes where the link leads" "second" "$(cat "$work/linked/var$work/data/a/b/two.txt")"
check_that "the link stays a link" test -L "$work/linked/$first"

latin=$(printf 'caf\xe9.txt')
marked=$(printf 'caf\xef\xbf\xbd.txt')
printf 'latin' > "$work/data/$latin"
printf 'marked' > "$work/data/$marked"
"$cli" zip-delete --tag Names --folder "$work/archives" "$work/data/$latin" > /dev/null
check "zip-delete takes a name that is not UTF-8" 0 $?
check_that "that file is gone" test ! -e "$work/data/$latin"
check "the other name is untouched" "marked" "$(cat "$work/data/$marked")"
names=$(ls "$work"/archives/Drive-root-Names*.zip)
check "the entry keeps the name's bytes" "${work#/}/data/$latin" "$("$cli" unzip --list "$names")"
"$cli" unzip "$names" "$work/root" > /dev/null
check "it comes back as itself" "latin" "$(cat "$work/root$work/data/$latin")"

out=$("$cli" unzip "$archive" 2>&1)
check "a missing destination is a usage error" 2 $?
out=$("$cli" unzip "$work/data/a" "$work/root" 2>&1)
check "a file that is no archive is refused" 2 $?

finish
