#!/bin/bash
# Times "tessaly-cli folder-hogs --all" against "du -s" on the same warm tree of 100,000 files
# and prints the ratio (the walk should cost at most a fifth more than du).
#   bench/walk.sh [TESSALY_CLI]      default: a Release build in build-bench/
# WALK_BENCH_TREE names the tree's folder (made once, kept for later runs),
# WALK_BENCH_RUNS the repetitions of each command (the median counts).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/bench/release_build.sh"
if [ $# -ge 1 ]; then cli=$1; else build_release_target tessaly-cli; cli=$bench_build/src/app/cli/tessaly-cli; fi
tree=${WALK_BENCH_TREE:-${TMPDIR:-/tmp}/tessaly-walk-bench}
runs=${WALK_BENCH_RUNS:-9}
make_tree=$repo/../shared/bench/make_tree.py

[ -x "$cli" ] || { echo "no tessaly-cli at $cli" >&2; exit 2; }
if [ ! -d "$tree" ]; then
  echo "making 100,000 files in $tree ..."
  # Small contents: the walk reads names and sizes, never data, so the disk need not fill up.
  python3 "$make_tree" --files 100000 --median-size 512 --bulk-max 65536 --large-frac 0 --sparse 1 \
    --quiet "$tree"
fi

# "wall cpu" medians in seconds of one command over the runs; cpu is user + system time,
# which a machine busy with other work does not inflate.
medians() {
  local walls=() cpus=() line
  for ((i = 0; i < runs; i++)); do
    line=$( { TIMEFORMAT='%R %U %S'; time "$@" >/dev/null 2>&1; } 2>&1 ) || true
    read -r real user sys <<<"$line"
    walls+=("$real")
    cpus+=("$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.3f", u + s }')")
  done
  local mid=$(((runs + 1) / 2))
  echo "$(printf '%s\n' "${walls[@]}" | sort -g | sed -n "${mid}p") $(printf '%s\n' "${cpus[@]}" | sort -g | sed -n "${mid}p")"
}

# Warm the caches for both.
du -s "$tree" >/dev/null 2>&1 || true
"$cli" folder-hogs --all "$tree" >/dev/null 2>&1 || true

entries=$(find "$tree" -xdev 2>/dev/null | wc -l)
read -r du_wall du_cpu <<<"$(medians du -s "$tree")"
read -r walk_wall walk_cpu <<<"$(medians "$cli" folder-hogs --all "$tree")"
echo "tree: $tree ($entries entries), medians of $runs runs"
printf '%-20s wall %8s s   cpu %8s s\n' "du -s" "$du_wall" "$du_cpu" "folder-hogs --all" "$walk_wall" "$walk_cpu"
awk -v w="$walk_wall" -v d="$du_wall" -v wc="$walk_cpu" -v dc="$du_cpu" \
  'BEGIN { printf "ratio (folder-hogs / du): wall %.2f   cpu %.2f\n", w / d, wc / dc }'
