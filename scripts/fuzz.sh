#!/usr/bin/env bash
# Builds the fuzz harnesses with clang, ASan and UBSan into ./build-fuzz and
# runs the short smoke run of each (the test suite calls this).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${DATEWRIGHT_FUZZ_BUILD_DIR:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDATEWRIGHT_BUILD_FUZZ=ON -DDATEWRIGHT_BUILD_TESTS=OFF -DDATEWRIGHT_BUILD_BENCH=OFF \
  -DDATEWRIGHT_BUILD_APPS=OFF >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
cd "$build_dir"
ctest --output-on-failure --parallel "$(nproc)" --no-tests=ignore
