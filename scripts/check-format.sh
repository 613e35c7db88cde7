#!/usr/bin/env bash
# Fails when a tracked C++ source differs from what clang-format makes of it
# under the committed .clang-format; prints the offending places.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t sources < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t sources < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h')
fi
clang-format --dry-run --Werror "${sources[@]}"
