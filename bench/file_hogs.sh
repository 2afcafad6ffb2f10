#!/bin/bash
# Times "tessaly-cli file-hogs" (every file, largest first) against
# "find PATH -type f -printf '%s %p\n' | sort -n" on the same warm tree and prints the ratio.
#   bench/file_hogs.sh [TESSALY_CLI]      default: a Release build in build-bench/
source "$(dirname "$0")/search_common.sh"
compare "file-hogs" "'$cli' file-hogs --larger 0 --unit bytes '$tree'" \
  "find | sort -n" "find '$tree' -type f -printf '%s %p\n' | sort -n"
