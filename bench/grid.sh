#!/usr/bin/env bash
# One million rows from the file-hogs search in the grid's model: peak memory, the time to fill
# the model and each sort (targets: size and date under 100 ms, names under 300 ms); then the
# duplicate search's own peak (bench/dup_memory, target under 200 MB).
# Usage: bench/grid.sh [FILES]   (a Release build in build-bench/, configured on first use)
set -euo pipefail
source "$(dirname "$0")/release_build.sh"
build_release_target grid_bench
build_release_target dup_memory
"$bench_build/bench/grid_bench" "$@"
echo
"$bench_build/bench/dup_memory" "$@"
