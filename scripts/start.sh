#!/usr/bin/env bash
# Installs, builds and starts Datewright. Without a display it renders the
# sample calendar to PNG and PDF and says where they are.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build_dir=${DATEWRIGHT_BUILD_DIR:-build}
out=$(pwd)/out
mkdir -p "$out"
"$build_dir/src/cli/datewright-cli" render "$out/sample.png" --layout 3
"$build_dir/src/cli/datewright-cli" render "$out/sample.pdf" --layout 3
echo "Rendered the sample calendar:"
echo "  $out/sample.png"
echo "  $out/sample.pdf"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting Datewright..."
  exec "$build_dir/src/app/datewright"
fi
