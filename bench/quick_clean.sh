#!/bin/bash
# Times "tessaly-cli quick-clean" against "find" with the same names, case-insensitive, hidden
# folders left out, sorted by size, on the same warm tree, and prints the ratios: first with
# quick clean's thirteen types (few files of a generated tree match: the walk's cost), then
# with two common types (tens of thousands of rows: the cost of listing them).
#   bench/quick_clean.sh [TESSALY_CLI]      default: a Release build in build-bench/
source "$(dirname "$0")/search_common.sh"

# find's name tests for the patterns given, joined with -o.
find_names() {
  local tests=() pattern
  for pattern in "$@"; do tests+=("-o -iname '$pattern'"); done
  local joined="${tests[*]}"
  echo "${joined#-o }"
}
peer() { echo "find '$tree' -name '.*' -type d -prune -o -type f \\( $(find_names "$@") \\) -printf '%s %p\n' | sort -rn"; }

compare "quick-clean" "'$cli' quick-clean '$tree'" "find | sort -rn" \
  "$(peer '*.bak' '*.chk' '*.da0' '*.db$' '*.ftg' '*.fts' '*.gid' '*.old' '*.tmp' '*.$$$' '*.---' '*.~mp' '*.~\*')"
compare "quick-clean --patterns *.txt,*.py" "'$cli' quick-clean --patterns '*.txt,*.py' '$tree'" "find | sort -rn" \
  "$(peer '*.txt' '*.py')"
