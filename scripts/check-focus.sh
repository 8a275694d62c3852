#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The keyboard after a solve with the worked solution open, under a window
# manager: focus_check.py replays the sequence on a desktop of its own.
#   check-focus.sh [PROGRAM]   (default build/dev/app/cramer)
# Needs what desktop-session.sh needs, python3-pyatspi, xdotool and xclip.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../build/dev/app/cramer}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '2,1,5\n1,-3,-8\n' > "$work/two.csv"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
  bash "$here/desktop-session.sh" "$work" /usr/bin/python3 "$here/focus_check.py" "$program" "$work/two.csv"
