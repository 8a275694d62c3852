#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop of its own for a check that works the program as a user would:
# Xvfb, the openbox window manager (managing windows before the command
# starts), a session bus and the accessibility bus; then runs COMMAND there
# with HOME, the settings and the runtime directory in WORK.
#   desktop-session.sh WORK COMMAND [ARGUMENT…]
# Needs xvfb, x11-utils, openbox, dbus and at-spi2-core.
set -euo pipefail
work=$1
shift
# A display number of this run's own, so that runs side by side never meet,
# and free: a server left over from another run holds its lock file.
display=$((200 + $$ % 500))
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((display + 1))
done

dbus-run-session -- bash -c '
  set -euo pipefail
  work=$1 display=$2
  shift 2
  export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work
  Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids=$!
  trap "kill \$pids 2>/dev/null || true" EXIT
  export DISPLAY=:$display
  # A busy machine can take seconds to bring the server up; a window
  # manager started before it is there gives up at once.
  for _ in $(seq 300); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  if ! xdpyinfo >/dev/null 2>&1; then
    echo "desktop-session: Xvfb did not start on :$display within 30 s:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
  fi
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  pids="$pids $!"
  # Windows mapped before the window manager runs are never given the focus,
  # so the command waits for it; one that exits is started again.
  managing() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
  openbox=
  for _ in $(seq 300); do
    managing && break
    if [ -z "$openbox" ] || ! kill -0 "$openbox" 2>/dev/null; then
      openbox >>"$work/openbox.log" 2>&1 &
      openbox=$!
      pids="$pids $openbox"
    fi
    sleep 0.1
  done
  if ! managing; then
    echo "desktop-session: openbox is not managing windows on :$display within 30 s:" >&2
    cat "$work/openbox.log" >&2
    exit 1
  fi
  "$@"
' _ "$work" "$display" "$@"
