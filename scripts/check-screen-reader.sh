#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader is told of practice: the program under Xvfb with a
# session bus and the accessibility bus, read through AT-SPI (as Orca reads
# it) by screen_reader_check.py.
#   check-screen-reader.sh [PROGRAM]   (default build/dev/app/cramer)
# Needs xvfb, dbus, at-spi2-core and python3-pyatspi.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../build/dev/app/cramer}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '2,1,5\n1,-3,-8\n' > "$work/two.csv"

dbus-run-session -- bash -c '
  set -euo pipefail
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap "kill $launcher $xvfb 2>/dev/null || true" EXIT
  export DISPLAY=:97
  sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LANG=bg_BG.UTF-8 "$1" "$2" >/dev/null 2>&1 &
  app=$!
  status=0
  /usr/bin/python3 "$3" || status=$?
  kill $app 2>/dev/null || true
  exit $status
' _ "$program" "$work/two.csv" "$here/screen_reader_check.py"
