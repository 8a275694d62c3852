#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, from Debian 12 packages, what the given task needs and the
# machine does not have yet:
#   run      build the program and open the window (the default)
#   test     build and run every test, the fuzzers and the package checks
#   package  build the Debian package and check it
#   tools    screenshots and start-up measurements
# Without root and without sudo it prints the command to run as root.
# It never removes a package: "a|b" is met by whichever of a and b is
# installed (the desktop's LibreOffice Writer serves as well as the
# headless one, which would replace it), and apt is told --no-remove.
set -euo pipefail

run=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6sql6-sqlite libgmp-dev libmpfr-dev libzip-dev libharfbuzz-dev
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
      clang libclang-rt-14-dev hunspell hunspell-bg
      texlive-latex-base texlive-latex-recommended texlive-lang-cyrillic texlive-pictures cm-super poppler-utils
      'libreoffice-writer-nogui|libreoffice-writer' # the HTML as Writer opens it
      fonts-dejavu-extra # as a desktop with LibreOffice or TeX has it: the window tests see only the package's fonts
      tzdata # the progress counts weeks in a time zone of the other side of the world
      xvfb x11-utils openbox xdotool dbus at-spi2-core orca python3-pyatspi xclip) # the screen reader's and the keyboard's own checks
    ;;
  tools) packages=("${run[@]}" xvfb xauth x11-apps xdotool imagemagick hyperfine qt6ct valgrind time dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0) ;;
  *) echo "usage: $0 [run|test|package|tools]" >&2; exit 2 ;;
esac

installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true)" = "install ok installed" ]
}
missing=()
for entry in "${packages[@]}"; do
  IFS='|' read -r -a choices <<<"$entry"
  met=false
  for package in "${choices[@]}"; do
    installed "$package" && met=true
  done
  $met || missing+=("${choices[0]}")
done
[ ${#missing[@]} -eq 0 ] && exit 0

install=(apt-get install -y -qq --no-install-recommends --no-remove "${missing[@]}")
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
