#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What Orca itself says: the program on a desktop of its own with Orca
# writing every utterance to its debug log; orca_check.py drives the
# program by keys and checks the log for the words a blind student needs
# to hear.
#   check-orca.sh [PROGRAM [LOG]]   (default build/dev/app/cramer; LOG keeps Orca's log)
# Needs what desktop-session.sh needs, orca, python3-pyatspi and xdotool.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../build/dev/app/cramer}")
work=$(mktemp -d)
keep=${2:-}
trap '[ -z "$keep" ] || cp "$work/orca.log" "$keep" 2>/dev/null; rm -rf "$work"' EXIT
printf '2,1,5\n1,-3,-8\n' > "$work/two.csv"

bash "$here/desktop-session.sh" "$work" bash -c '
  /usr/bin/python3 "$1/orca_line_buffered.py" "$2/orca.log" >/dev/null 2>&1 &
  orca=$!
  trap "kill $orca 2>/dev/null || true" EXIT
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb /usr/bin/python3 "$1/orca_check.py" "$2/orca.log" "$3" "$2/two.csv"
' _ "$here" "$work" "$program"
