#!/bin/sh
# One million safe harbor questions against the folder list built from this machine's
# installed software; prints questions per second (target: at least 500,000).
# Usage: bench/safe_harbor.sh [build-folder]   (a Release build is configured there if needed)
set -e
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build-bench}
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build_dir" -j2 --target safe_harbor_bench
"$build_dir/bench/safe_harbor_bench"
