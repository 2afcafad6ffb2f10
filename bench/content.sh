#!/bin/bash
# Times "tessaly-cli duplicates --match 7" (equal bytes) against jdupes and rmlint on one warm
# tree and checks each tool's groups against the tree's truth (groups without hidden files).
#   bench/content.sh [TESSALY_CLI]      default: a Release build in build-bench/
# CONTENT_BENCH_TREE names the tree's folder (made once, kept for later runs),
# CONTENT_BENCH_RUNS the repetitions of each command (the median counts).
# Run as root, the tools run as the user nobody, so that unreadable files stay unreadable.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/bench/release_build.sh"
if [ $# -ge 1 ]; then cli=$1; else build_release_target tessaly-cli; cli=$bench_build/src/app/cli/tessaly-cli; fi
[ -x "$cli" ] || { echo "no tessaly-cli at $cli" >&2; exit 2; }

files=100000
tree=${CONTENT_BENCH_TREE:-${TMPDIR:-/tmp}/tessaly-content-bench-$files}
truth=$tree.truth.json
runs=${CONTENT_BENCH_RUNS:-5}
missing=()
for tool in jdupes rmlint; do command -v "$tool" >/dev/null || missing+=("$tool"); done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing ${missing[*]} ..."
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
if [ ! -d "$tree" ]; then
  echo "making $files files in $tree ..."
  python3 "$repo/../shared/bench/make_tree.py" --files "$files" --seed 1 --quiet "$tree" >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
as_user=()
if [ "$(id -u)" = 0 ]; then
  chown nobody:nogroup "$work"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
mkdir -p "$work/xdg"
[ "$(id -u)" = 0 ] && chown nobody:nogroup "$work/xdg"
export XDG_CONFIG_HOME=$work/xdg/config XDG_DATA_HOME=$work/xdg/data XDG_CACHE_HOME=$work/xdg/cache LC_ALL=C.UTF-8

declare -A commands=(
  [tessaly]="$cli duplicates --match 7 --larger 1 --unit bytes $tree"
  [jdupes]="jdupes -r -q -A $tree"
  [rmlint]="rmlint -T df -o fdupes $tree"
)
tools=(tessaly jdupes rmlint)

# Median wall-clock seconds of one tool over the runs; the output of the last run is kept.
median_seconds() {
  local times=() start end
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    (cd "$work" && "${as_user[@]}" ${commands[$1]} >"$work/$1.out" 2>/dev/null) || true
    end=$(date +%s%N)
    times+=($((end - start)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.3f\n", t[int((NR + 1) / 2)] / 1e9 }'
}

# Warm the cache with every tool before any is timed.
for tool in "${tools[@]}"; do (cd "$work" && "${as_user[@]}" ${commands[$tool]} >/dev/null 2>&1) || true; done
declare -A seconds
for tool in "${tools[@]}"; do seconds[$tool]=$(median_seconds "$tool"); done

echo "tree: $tree ($(find "$tree" -type f | wc -l) files), warm cache, median of $runs runs, as $("${as_user[@]}" id -un)"
for tool in "${tools[@]}"; do
  printf '%-8s %8s s   %s\n' "$tool:" "${seconds[$tool]}" \
    "$(python3 "$repo/bench/content_groups.py" "$tree" "$truth" "$tool" "$work/$tool.out")"
done
awk -v o="${seconds[tessaly]}" -v p="${seconds[jdupes]}" 'BEGIN { printf "ratio (tessaly / jdupes): %.2f (target at most 0.70)\n", o / p }'
