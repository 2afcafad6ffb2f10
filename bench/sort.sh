#!/usr/bin/env bash
# Times the three grid sorts on a 1,000,000-row grid; each must stay under one second.
# Usage: bench/sort.sh   (a Release build in build-bench/, configured on first use)
set -euo pipefail
source "$(dirname "$0")/release_build.sh"
build_release_target sort_bench
"$bench_build/bench/sort_bench"
