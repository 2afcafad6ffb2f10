#!/usr/bin/env bash
# Pictures one window on a virtual X display: scripts/screenshot.sh [NAME [OUTPUT]].
# NAME is a window's scenario (scripts/screenshot.sh --list names them; "main" by default),
# OUTPUT the PNG file (docs/screenshots/NAME.png by default). Set QT_SCALE_FACTOR=1.5 to see
# the window scaled. Builds first when the program is not there yet.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
program="$build_dir/src/app/shots/tessaly-shots"
name=${1:-main}

if [ ! -x "$program" ]; then
  scripts/install-deps.sh
  BUILD_DIR="$build_dir" scripts/build.sh
fi

if [ "$name" = "--list" ]; then
  exec "$program" --list -platform offscreen
fi
output=${2:-docs/screenshots/$name.png}

session=$(mktemp -d)
trap 'rm -rf "$session"' EXIT
# A fresh user: no settings, no safe harbor, nothing of the real user's touched.
export XDG_CONFIG_HOME="$session/config" XDG_DATA_HOME="$session/data" XDG_CACHE_HOME="$session/cache"

mkdir -p "$(dirname "$output")"
xvfb-run --auto-servernum --server-args="-screen 0 1920x1200x24 -dpi 96" \
  "$program" "$name" "$output" -platform xcb
