#!/usr/bin/env bash
# Installs, from Debian 12 packages, whatever the build, the program and the
# tests need and the machine does not have yet.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev libeigen3-dev
  clang libclang-rt-14-dev
  fonts-liberation2 fonts-dejavu-core
)
if [ "${1:-}" = "--tools" ]; then
  # Screenshots and start-up timing; not needed to build or test.
  packages+=(xvfb xauth x11-apps imagemagick hyperfine)
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
