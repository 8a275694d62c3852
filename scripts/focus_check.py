#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Replays, under a window manager, what once left the keyboard in the
worked-solution window: with the working open beside the form, a click in a
cell of the form, the grid laid out anew, a system typed, solved with the
mouse and Enter on each box. Afterwards the form's window must be active,
the keyboard on the button that solved, and Ctrl+Shift+C must copy the
results.
   focus_check.py PROGRAM SYSTEM   (under desktop-session.sh)
Exits 1, saying what it found, where that fails."""
import atexit
import subprocess
import sys
import time

import pyatspi

from atspi_tree import find, wait_for

FORM_TITLE = "метод на КРАМЕР"
BOX_TITLE = "виж детерминантата:"


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True).stdout.strip()


def active_window():
    window = xdotool("getactivewindow")
    return window, xdotool("getwindowname", window) if window else ""


def wait(what, test, seconds=15, seen=lambda: ""):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = test()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAILED waiting for {what}; the active window is {active_window()[1]!r}{seen()}")


def click(accessible):
    x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2), "click", "1")
    time.sleep(0.3)


def key(*keys):
    xdotool("key", "--clearmodifiers", *keys)
    time.sleep(0.2)


def enter_on_boxes(count):
    """Enter on each of the solve's boxes as it comes up."""
    last = None
    for _ in range(count):
        window = wait("a determinant's box", lambda: (lambda w: w[1] == BOX_TITLE and w[0] != last and w)(
            active_window()))
        key("Return")
        last = window[0]


program = subprocess.Popen([sys.argv[1], sys.argv[2]], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
atexit.register(program.kill)
application = wait_for("the program", lambda a: a.getRoleName() == "application"
                       and a.get_process_id() == program.pid)


def button(caption):
    return wait_for(caption, lambda a: a.getRoleName() == "push button"
                    and (a.name or "").replace("&", "").strip() == caption, application)


first_cell = wait_for("the first cell", lambda a: a.getRoleName() == "text"
                      and a.name == "ред 1, коефициент пред x1", application)
solve = button("РЕШИ СИСТЕМАТА")
lay_out = button("ВЪВЕДИ  СИСТЕМАТА")


def program_windows():
    """The program's shown windows, with their names."""
    windows = xdotool("search", "--onlyvisible", "--pid", str(program.pid)).split()
    return [(window, xdotool("getwindowname", window)) for window in windows]


def form_active():
    """The form in front and active, whatever the window manager did with it.
    Asked again while waiting: a request made while the window was being
    mapped can be lost."""
    if FORM_TITLE in active_window()[1]:
        return True
    for window, name in program_windows():
        if FORM_TITLE in name:
            xdotool("windowactivate", window)
    time.sleep(0.4)
    return FORM_TITLE in active_window()[1]


# A loaded machine may take its time to map and activate the first window.
wait("the form", form_active, seconds=45, seen=lambda: f"; the program shows {program_windows()!r}")

click(solve)
enter_on_boxes(3)
key("ctrl+d")
time.sleep(1)
click(first_cell)
key("ctrl+d")
wait("the worked solution", lambda: (lambda name: name and FORM_TITLE not in name and name != BOX_TITLE)(
    active_window()[1]))
click(first_cell)
click(lay_out)
click(first_cell)
for value in ("3", "1", "5", "1", "-3", "-8"):
    key("ctrl+a")
    xdotool("type", "--", value)
    key("Return")
click(solve)
enter_on_boxes(3)
time.sleep(1)

failed = []
window = active_window()[1]
if FORM_TITLE not in window:
    failed.append(f"the active window is {window!r}, not the form")
focused = find(application, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))
if focused is None or (focused.name or "").replace("&", "").strip() != "РЕШИ СИСТЕМАТА":
    failed.append(f"the keyboard is on {focused.name if focused else None!r}, not the button that solved")
subprocess.run(["xclip", "-selection", "clipboard", "-i"], input="", text=True)
key("ctrl+shift+c")
copied = subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True, text=True).stdout
if "x1" not in copied and "x₁" not in copied:
    failed.append(f"Ctrl+Shift+C copied {copied[:60]!r}")
print("\n".join(failed) if failed else "ok   the form is active, the keyboard where it was, the results copied")
sys.exit(1 if failed else 0)
