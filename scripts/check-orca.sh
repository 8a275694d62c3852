#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What Orca itself says: the program under Xvfb with a window manager, a
# session bus, the accessibility bus and Orca writing every utterance to its
# debug log; orca_check.py drives the program by keys and checks
# the log for the words a blind student needs to hear.
#   check-orca.sh [PROGRAM [LOG]]   (default build/dev/app/cramer; LOG keeps Orca's log)
# Needs xvfb, x11-utils, openbox, dbus, at-spi2-core, orca, python3-pyatspi and xdotool.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../build/dev/app/cramer}")
work=$(mktemp -d)
keep=${2:-}
trap '[ -z "$keep" ] || cp "$work/orca.log" "$keep" 2>/dev/null; rm -rf "$work"' EXIT
printf '2,1,5\n1,-3,-8\n' > "$work/two.csv"
# A display number of this run's own, so that runs side by side never meet.
display=$((200 + $$ % 500))

dbus-run-session -- bash -c '
  set -euo pipefail
  program=$1 system=$2 work=$3 here=$4 display=$5
  export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work
  Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  pids=$!
  trap "kill \$pids 2>/dev/null || true" EXIT
  export DISPLAY=:$display
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  pids="$pids $!"
  openbox >/dev/null 2>&1 &
  pids="$pids $!"
  # Windows mapped before the window manager runs are never given the focus.
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
  /usr/bin/python3 "$here/orca_line_buffered.py" "$work/orca.log" >/dev/null 2>&1 &
  pids="$pids $!"
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb /usr/bin/python3 "$here/orca_check.py" "$work/orca.log" "$program" "$system"
' _ "$program" "$work/two.csv" "$work" "$here" "$display"
