#!/usr/bin/env bash
# Installs, checks the formatting, builds and runs every test of Datewright,
# then the fuzz smoke runs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check-format.sh
# The tests' build lets no compiler warning through.
DATEWRIGHT_WERROR=ON bash scripts/build.sh
build_dir=${DATEWRIGHT_BUILD_DIR:-build}
(cd "$build_dir" && ctest --output-on-failure --parallel "$(nproc)")
bash scripts/fuzz.sh
