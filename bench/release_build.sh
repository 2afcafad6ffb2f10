# Sourced by the benchmarks: builds a target in the Release tree build-bench/ (configured on
# first use) so every figure comes from the same optimised build.
#   build_release_target TARGET   then $bench_build holds the tree's folder
bench_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bench_build=${BENCH_BUILD_DIR:-$bench_repo/build-bench}

build_release_target() {
  if [ ! -f "$bench_build/CMakeCache.txt" ]; then
    cmake -S "$bench_repo" -B "$bench_build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build "$bench_build" -j2 --target "$1" >/dev/null
}
