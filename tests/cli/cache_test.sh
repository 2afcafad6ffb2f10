#!/bin/bash
# tessaly-cli cache-folders and cache-files: the browsers of a home, ages, sub-folders, refusals.
set -u
source "$(dirname "$0")/cli_checks.sh" "$1"

export HOME=$work/home
mkdir -p "$XDG_CACHE_HOME/mozilla/firefox/a1.default/cache2/entries" \
         "$XDG_CACHE_HOME/chromium/Default/Cache/Cache_Data" \
         "$HOME/.var/app/com.google.Chrome/cache/google-chrome/Default/Cache/Cache_Data" \
         "$HOME/snap/firefox/common/.cache/mozilla/firefox/b2.default/cache2/entries"

check "cache-folders lists each browser's cache folder, native first" \
  "$(printf '%s\n' "$XDG_CACHE_HOME/mozilla/firefox/a1.default/cache2/entries" \
                   "$XDG_CACHE_HOME/chromium/Default/Cache/Cache_Data" \
                   "$HOME/.var/app/com.google.Chrome/cache/google-chrome/Default/Cache/Cache_Data" \
                   "$HOME/snap/firefox/common/.cache/mozilla/firefox/b2.default/cache2/entries")" \
  "$("$cli" cache-folders)"

cache=$work/cache-files
mkdir -p "$cache/sub"
head -c 100 /dev/zero > "$cache/old"
head -c 7 /dev/zero > "$cache/.hidden-old"
head -c 5 /dev/zero > "$cache/fresh"
head -c 9 /dev/zero > "$cache/sub/older"
touch -a -d '40 days ago' "$cache/old" "$cache/.hidden-old" "$cache/sub/older"
touch -a -d '3 days ago' "$cache/fresh"

output=$("$cli" cache-files --days 30 "$cache")
check_that "cache-files exits 0" test $? -eq 0
check "heading, then size and path of each old file of the folder itself, hidden ones too" \
  "$(printf 'Size\tFileName\n7\t%s\n100\t%s' "$cache/.hidden-old" "$cache/old")" \
  "$(cut -f1,3 <<<"$output")"
check "without --days every file is taken" 3 "$("$cli" cache-files "$cache" | tail -n +2 | wc -l)"

"$cli" cache-files --days 50 "$cache" >"$work/stdout" 2>"$work/stderr"
check_that "nothing old enough fails" test $? -ne 0
check "nothing old enough says so" "No files found to clear" "$(cat "$work/stderr")"

for days in -1 101 ten; do
  "$cli" cache-files --days "$days" "$cache" >"$work/stdout" 2>"$work/stderr"
  check_that "--days $days is refused" test $? -ne 0
  check_that "--days $days is explained" grep -q "The days must be a whole number from 0 to 100." "$work/stderr"
  check_that "--days $days prints nothing" test ! -s "$work/stdout"
done

"$cli" cache-files >"$work/stdout" 2>"$work/stderr"
check_that "no folder is refused" grep -q "No folder given." "$work/stderr"
"$cli" cache-folders extra >"$work/stdout" 2>"$work/stderr"
check_that "cache-folders takes no arguments" grep -q "No arguments are taken." "$work/stderr"

finish
