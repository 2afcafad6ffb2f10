#!/bin/bash
# Times "tessaly-cli stats" against "du -s" on the same warm tree and prints the ratio.
#   bench/stats.sh [TESSALY_CLI]      default: a Release build in build-bench/
source "$(dirname "$0")/search_common.sh"
compare "stats" "'$cli' stats '$tree'" "du -s" "du -s '$tree'"
