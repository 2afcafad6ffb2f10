#!/bin/sh
# Times the three grid sorts on a 1,000,000-row grid; each must stay under one second.
# Usage: bench/sort.sh [build-folder]   (a Release build is configured there if needed)
set -e
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build-bench}
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build_dir" -j2 --target sort_bench
"$build_dir/bench/sort_bench"
