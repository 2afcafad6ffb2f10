#!/usr/bin/env bash
# Starts the program on a virtual X display and saves a picture of the main window to
# docs/screenshots/main.png. Builds first when the program is not there yet.
# QT_SCALE_FACTOR and SCREENSHOT (the output file) may be set to picture a scaled window.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
program="$build_dir/src/app/tessaly/tessaly"
output=${SCREENSHOT:-docs/screenshots/main.png}

if [ ! -x "$program" ]; then
  scripts/install-deps.sh
  BUILD_DIR="$build_dir" scripts/build.sh
fi

session=$(mktemp -d)
trap 'rm -rf "$session"' EXIT
# A fresh user: no settings, no safe harbor, nothing of the real user's touched.
export XDG_CONFIG_HOME="$session/config" XDG_DATA_HOME="$session/data" XDG_CACHE_HOME="$session/cache"

mkdir -p "$(dirname "$output")"
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -c '
  "$1" -platform xcb &
  pid=$!
  for _ in $(seq 50); do
    sleep 0.2
    # Once the window exists, give it a moment to paint before the picture is taken.
    if import -window "Tessaly 99" "$2" 2>/dev/null; then
      sleep 1
      import -window "Tessaly 99" "$2"
      kill "$pid"
      exit 0
    fi
  done
  kill "$pid"
  echo "The main window did not appear." >&2
  exit 1
' capture "$program" "$output"
echo "Saved $output"
