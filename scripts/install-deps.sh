#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, from Debian 12 packages, what the given task needs and the
# machine does not have yet:
#   run      build the program and open the window (the default)
#   test     build and run every test, the fuzzers and the package checks
#   package  build the Debian package and check it
#   tools    screenshots and start-up measurements
# Without root and without sudo it prints the command to run as root.
set -euo pipefail

run=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n libgmp-dev libmpfr-dev libzip-dev
  fonts-liberation2 fonts-dejavu-core
)
package=(
  debhelper dpkg-dev fakeroot lintian appstream appstream-compose desktop-file-utils
)
case "${1:-run}" in
  run) packages=("${run[@]}") ;;
  package) packages=("${run[@]}" "${package[@]}") ;;
  test)
    packages=("${run[@]}" "${package[@]}"
      libgtest-dev libgmock-dev libbenchmark-dev libeigen3-dev
      clang libclang-rt-14-dev
      texlive-latex-base texlive-latex-recommended texlive-lang-cyrillic texlive-pictures cm-super poppler-utils
      libreoffice-writer-nogui # the HTML as Writer opens it
      fonts-dejavu-extra # as a desktop with LibreOffice or TeX has it: the window tests see only the package's fonts
      xvfb x11-utils openbox xdotool dbus at-spi2-core orca python3-pyatspi xclip) # the screen reader's and the keyboard's own checks
    ;;
  tools) packages=("${run[@]}" xvfb xauth x11-apps xdotool imagemagick hyperfine qt6ct valgrind time dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0) ;;
  *) echo "usage: $0 [run|test|package|tools]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

install=(apt-get install -y -qq --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "These Debian packages are missing: ${missing[*]}" >&2
  echo "Install them as root, then run this again:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" "${install[@]}"
