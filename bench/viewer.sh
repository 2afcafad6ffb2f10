#!/usr/bin/env bash
# The file viewer on a 4 GB sparse file: time to the first page and to the last page (text and
# hexadecimal), and the peak memory of the whole run. Targets: first page under 100 ms, peak
# memory under 50 MB.
# Usage: bench/viewer.sh [FILE]   (a Release build in build-bench/, configured on first use)
set -euo pipefail
source "$(dirname "$0")/release_build.sh"
build_release_target viewer_bench

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file=${1:-$work/sparse-4g.bin}
if [ $# -eq 0 ]; then truncate -s 4G "$file"; fi
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
export QT_QPA_PLATFORM=offscreen

echo "File: $file ($(stat -c %s "$file") bytes)"
/usr/bin/time -f "%M" -o "$work/peak" "$bench_build/bench/viewer_bench" "$file"
echo "Peak memory: $(( $(cat "$work/peak") / 1024 )) MB"
