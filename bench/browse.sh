#!/usr/bin/env bash
# The browse window's listing of one folder of many files (default 100,000): the median time
# of a warm listing and the peak memory. The window lists a folder at once, under the wait
# cursor, so this should stay well under a second.
# Usage: bench/browse.sh [FILES]   (a Release build in build-bench/, configured on first use)
set -euo pipefail
source "$(dirname "$0")/release_build.sh"
build_release_target browse_listing
"$bench_build/bench/browse_listing" "$@"
