#!/bin/bash
# Times "tessaly-cli duplicates --match 3" (size only, every file) against
# "find PATH -type f -printf '%s %p\n' | sort -n" on the same warm tree and prints the ratio.
#   bench/duplicates.sh [TESSALY_CLI]      default: a Release build in build-bench/
source "$(dirname "$0")/search_common.sh"
compare "duplicates --match 3" "'$cli' duplicates --match 3 --larger 0 --unit bytes '$tree'" \
  "find | sort -n" "find '$tree' -type f -printf '%s %p\n' | sort -n"
