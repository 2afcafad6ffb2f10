# Shared by duplicates.sh, file_hogs.sh and stats.sh: the tree, the timing and the ratio.
# SEARCH_BENCH_TREE names the tree's folder (made once, kept for later runs),
# SEARCH_BENCH_FILES its size, SEARCH_BENCH_RUNS the repetitions of each command (the median counts).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/bench/release_build.sh"
if [ $# -ge 1 ]; then cli=$1; else build_release_target tessaly-cli; cli=$bench_build/src/app/cli/tessaly-cli; fi
files=${SEARCH_BENCH_FILES:-200000}
tree=${SEARCH_BENCH_TREE:-${TMPDIR:-/tmp}/tessaly-search-bench-$files}
runs=${SEARCH_BENCH_RUNS:-7}
make_tree=$repo/../shared/bench/make_tree.py

[ -x "$cli" ] || { echo "no tessaly-cli at $cli" >&2; exit 2; }
if [ ! -d "$tree" ]; then
  echo "making $files files in $tree ..."
  # Small contents: the searches read names, sizes and dates, never data.
  python3 "$make_tree" --files "$files" --median-size 512 --bulk-max 65536 --large-frac 0 --sparse 1 \
    --quiet "$tree"
fi

# Median wall-clock seconds of one command line (run by bash, so pipes work) over the runs.
median_seconds() {
  local times=() start end
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    bash -c "$1" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    times+=($((end - start)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.4f\n", t[int((NR + 1) / 2)] / 1e9 }'
}

# compare LABEL COMMAND PEER_LABEL PEER_COMMAND: warms the caches with both, then times them.
compare() {
  bash -c "$4" >/dev/null 2>&1 || true
  bash -c "$2" >/dev/null 2>&1 || true
  local peer_time ours_time
  peer_time=$(median_seconds "$4")
  ours_time=$(median_seconds "$2")
  echo "tree: $tree ($(find "$tree" -type f | wc -l) files), median of $runs runs"
  printf '%-34s %s s\n' "$3:" "$peer_time" "$1:" "$ours_time"
  awk -v o="$ours_time" -v p="$peer_time" -v l="$1" 'BEGIN { printf "ratio (%s / peer): %.2f\n", l, o / p }'
}
