#!/usr/bin/env bash
# Archive-and-delete run against `zip -r` over the same generated files:
# 5,000 small text files and 20 files of 10 MB (half compressible, half random).
# Usage: bench/archive.sh [path/to/tessaly-cli]   (default: a Release build in build-bench/)
set -euo pipefail
source "$(dirname "$0")/release_build.sh"
if [ $# -ge 1 ]; then cli=$1; else build_release_target tessaly-cli; cli=$bench_build/src/app/cli/tessaly-cli; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache

python3 - "$work/src" <<'PY'
import os, sys
root = sys.argv[1]
for i in range(1, 5001):
    folder = os.path.join(root, "small", "d%d" % (i % 50))
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "f%d.txt" % i), "w") as f:
        f.write(("file %d line of text that repeats\n" % i) * (i % 40 + 1))
os.makedirs(os.path.join(root, "large"), exist_ok=True)
for i in range(1, 11):
    line = ("compressible large file %d\n" % i).encode()
    with open(os.path.join(root, "large", "text%d.log" % i), "wb") as f:
        f.write((line * (10485760 // len(line) + 1))[:10485760])
    with open(os.path.join(root, "large", "noise%d.bin" % i), "wb") as f:
        f.write(os.urandom(10485760))
PY
sync

cp -a "$work/src" "$work/copy"
mkdir -p "$work/zip" "$work/archives"
start=$(date +%s.%N)
(cd "$work/src" && zip -q -r "$work/zip/reference.zip" .)
zip_seconds=$(echo "$(date +%s.%N) - $start" | bc)

start=$(date +%s.%N)
find "$work/copy" -type f -print0 | xargs -0 "$cli" zip-delete --tag Bench --folder "$work/archives" > "$work/cli.out" || true
ours_seconds=$(echo "$(date +%s.%N) - $start" | bc)
# xargs may split the list into several runs; each reports its own count.
archived=$(awk '{n += $1} END {print n}' "$work/cli.out")
left=$(find "$work/copy" -type f | wc -l)

echo "zip -r:            ${zip_seconds} s ($(stat -c %s "$work/zip/reference.zip") bytes)"
echo "archive + delete:  ${ours_seconds} s ($(du -cb "$work"/archives/*.zip | tail -1 | cut -f1) bytes, $archived files, $left left)"
echo "ratio: $(echo "scale=2; $ours_seconds / $zip_seconds" | bc)"
