#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A message built with .arg(a).arg(b) replaces a "%1" that a takes in (a
# file's name, a sheet's) by b: every text gets its values in one .arg().
set -euo pipefail
root=${1:-$(dirname "$0")/..}
found=$(cd "$root" && find app report sheets solver window -name '*.cpp' -o -name '*.h' | sort |
  xargs perl -0777 -ne '
    my $args = qr/(\((?:[^()]++|(?-1))*\))/;
    while (/\.arg\s*$args\s*\.arg\s*\(/g) {
      my $line = 1 + (substr($_, 0, pos($_)) =~ tr/\n//);
      print "$ARGV:$line\n";
    }')
if [ -n "$found" ]; then
  echo "Chained .arg() calls; give every value in one .arg(a, b, ...):" >&2
  echo "$found" >&2
  exit 1
fi
