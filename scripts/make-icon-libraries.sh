#!/usr/bin/env bash
# Draws the SVG sources in resources/icons-src/<set>/ into the bundled icon
# libraries resources/<set>.icl, icons in the order of their file names.
# Needs a build (make-icon-library) and the DejaVu Sans font.
#   scripts/make-icon-svgs.py && scripts/make-icon-libraries.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
tool=${1:-build}/src/tools/make-icon-library
for set in activity events holiday misc1 misc2; do
  "$tool" "resources/$set.icl" resources/icons-src/"$set"/*.svg
done
