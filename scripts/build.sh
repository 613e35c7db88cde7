#!/usr/bin/env bash
# Configures and builds Datewright into ./build (or $DATEWRIGHT_BUILD_DIR).
# DATEWRIGHT_WERROR=ON makes every compiler warning an error; it is passed
# on every run, so a build after the tests' goes back to plain warnings.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${DATEWRIGHT_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDATEWRIGHT_WERROR="${DATEWRIGHT_WERROR:-OFF}" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
