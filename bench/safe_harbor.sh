#!/usr/bin/env bash
# One million safe harbor questions against the folder list built from this machine's
# installed software; prints questions per second (target: at least 500,000).
# Usage: bench/safe_harbor.sh   (a Release build in build-bench/, configured on first use)
set -euo pipefail
source "$(dirname "$0")/release_build.sh"
build_release_target safe_harbor_bench
"$bench_build/bench/safe_harbor_bench"
