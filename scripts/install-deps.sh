#!/usr/bin/env bash
# Installs what building and testing Datewright needs on Debian 12.
# Skips apt entirely when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-private-dev qt6-svg-dev zlib1g-dev qt6-image-formats-plugins libgl-dev
  libqt6svg6          # the SVG icon engine that draws the program's pictures at any size
  libical-dev libical3 tzdata  # iCalendar files; time zones named in them come from the system
  fontconfig fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra  # fonts the tests read
  ghostscript poppler-utils
  clang libclang-rt-14-dev clang-format
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

run_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
echo "Installing: ${missing[*]}"
run_as_root apt-get update -q
DEBIAN_FRONTEND=noninteractive run_as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
