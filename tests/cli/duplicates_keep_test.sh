#!/bin/bash
# tessaly-cli duplicates --match 7: groups of equal bytes, --keep's mark column, and removals
# that never take the last copy of a group unless told --all-copies.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"

tree=$work/tree
mkdir -p "$tree/a" "$tree/b" "$tree/c" "$tree/d"
python3 - "$tree" <<'PY'
import sys
root = sys.argv[1]
photo = bytes((i * 31 + i // 4099) % 251 for i in range(300000))
for path in ("a/photo.jpg", "b/copy.jpg", "c/other.jpg"):
    open(f"{root}/{path}", "wb").write(photo)
middle = bytearray(photo)
middle[150000] ^= 1
open(f"{root}/d/middle.jpg", "wb").write(middle)
for path in ("a/x.dat", "d/x.dat"):
    open(f"{root}/{path}", "wb").write(b"hello" * 10)
PY
touch -d '2021-01-01 10:00' "$tree/a/photo.jpg"
touch -d '2022-01-01 10:00' "$tree/b/copy.jpg"
touch -d '2020-01-01 10:00' "$tree/c/other.jpg"
touch -d '2020-01-01 10:00' "$tree/a/x.dat"
touch -d '2023-01-01 10:00' "$tree/d/x.dat"

search=("$cli" duplicates --match 7 --larger 1 --unit bytes)
# Each row as folder/name, shade and (when given) mark, relative to the tree.
rows() { tail -n +2 | awk -F'\t' -v root="$tree/" '{sub(root, "", $6); printf "%s%s/%s %s%s", (NR > 1 ? "|" : ""), $6, $1, $8, (NF > 8 ? " " $9 : "")}'; }

out=$("${search[@]}" "$tree")
check "exit code of a search" 0 $?
check "groups of equal bytes, each in its own shade; the different middle is in none" \
  "a/x.dat shaded|d/x.dat shaded|b/copy.jpg plain|c/other.jpg plain|a/photo.jpg plain" "$(rows <<<"$out")"

declare -A kept=(
  [first]="a/x.dat shaded unmarked|d/x.dat shaded marked|b/copy.jpg plain unmarked|c/other.jpg plain marked|a/photo.jpg plain marked"
  [newest]="a/x.dat shaded marked|d/x.dat shaded unmarked|b/copy.jpg plain unmarked|c/other.jpg plain marked|a/photo.jpg plain marked"
  [oldest]="a/x.dat shaded unmarked|d/x.dat shaded marked|b/copy.jpg plain marked|c/other.jpg plain unmarked|a/photo.jpg plain marked"
  [in:$tree/d]="a/x.dat shaded marked|d/x.dat shaded unmarked|b/copy.jpg plain unmarked|c/other.jpg plain unmarked|a/photo.jpg plain unmarked"
)
for rule in "${!kept[@]}"; do
  check "--keep $rule" "${kept[$rule]}" "$("${search[@]}" --keep "$rule" "$tree" | rows)"
done

for bad in bogus "in:$work/missing" in:; do
  out=$("${search[@]}" --keep "$bad" "$tree" 2>/dev/null)
  check "--keep $bad is refused" 2 $?
  check "nothing printed for --keep $bad" "" "$out"
done
out=$("${search[@]}" --delete --trash "$tree" 2>/dev/null)
check "--delete with --trash is refused" 2 $?

"${search[@]}" --delete "$tree" >/dev/null 2>"$work/err"
check "a run that would leave a group without a copy fails" 1 "$(( $? != 0 ))"
check "the refusal names each group" \
  "Nothing was removed: every file of these duplicate groups would go, and not one copy of them would be left:|$tree/a/x.dat and 1 more file|$tree/b/copy.jpg and 2 more files|Give --all-copies to remove them all the same." \
  "$(paste -sd'|' "$work/err")"
check "nothing was removed" 6 "$(find "$tree" -type f | wc -l)"

out=$("${search[@]}" --keep newest --delete "$tree" 2>"$work/err")
check "removing all but the newest succeeds" 0 $?
check "what was removed" "3 files (600,050 bytes) deleted" "$(tail -n 1 <<<"$out")"
check "one copy of each group and the different middle stay" "b/copy.jpg d/middle.jpg d/x.dat" \
  "$(cd "$tree" && find . -type f | sed 's|^\./||' | sort | xargs)"

cp "$tree/d/x.dat" "$tree/c/x.dat"
out=$("${search[@]}" --trash --all-copies "$tree")
check "--all-copies moves every file of the group to the trash" "2 files (100 bytes) moved to the trash" "$(tail -n 1 <<<"$out")"
check "the trash holds both" 2 "$(ls "$XDG_DATA_HOME/Trash/files" | wc -l)"
check "neither is left" "" "$(find "$tree" -name x.dat)"

finish
