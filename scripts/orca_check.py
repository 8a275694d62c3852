#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Drives the program as a blind student would and checks what Orca said.

Started by check-orca.sh as `orca_check.py LOG PROGRAM SYSTEM` with Orca
writing its utterances to LOG; starts the program on the 2 × 2 system
2·x1 + x2 = 5, x1 − 3·x2 = −8, moves the keyboard to a cell, presses the
solve button, Enter on each box, then practises d (a wrong answer, a hint,
the right answer). Prints what Orca said; exits 1 when an
expected utterance is missing.
"""
import atexit
import os
import re
import subprocess
import sys
import time

from atspi_tree import wait_for

log = sys.argv[1]
said_before = 0


def utterances():
    try:
        with open(log, encoding="utf-8", errors="replace") as f:
            return re.findall(r"SPEECH OUTPUT: '(.*?)'(?:\{| \{)", f.read())
    except FileNotFoundError:
        return []


def expect(what, pattern, seconds=15):
    """Waits for an utterance after the last one checked that matches."""
    global said_before
    deadline = time.time() + seconds
    while time.time() < deadline:
        said = utterances()
        for index in range(said_before, len(said)):
            if re.search(pattern, said[index]):
                said_before = index + 1
                print(f"ok   {what}: {said[index]}")
                return True
        time.sleep(0.2)
    print(f"MISSING {what} ({pattern}); said since: {utterances()[said_before:]}")
    return False


def settle(quiet=0.7, seconds=10):
    """Waits until Orca has said and logged all it had to, as a listener
    waits before pressing the next key."""
    deadline = time.time() + seconds
    size, since = -1, time.time()
    while time.time() < deadline:
        now = os.path.getsize(log) if os.path.exists(log) else 0
        if now != size:
            size, since = now, time.time()
        elif time.time() - since >= quiet:
            return
        time.sleep(0.1)


def key(*keys):
    settle()
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def type_text(text):
    settle()
    subprocess.run(["xdotool", "type", "--", text], check=True)


def start_program():
    program = subprocess.Popen([sys.argv[2], sys.argv[3]], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    atexit.register(program.kill)
    return program


def activate(*steps):
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--class", "cramer", *steps],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


# The program once Orca listens, as a blind student starts it.
ok = expect("Orca runs", r"Screen reader on", 30)
window = r"системи линейни уравнения - метод на КРАМЕР frame"
for attempt in range(3):
    program = start_program()
    application = wait_for("the program", lambda a: a.getRoleName() == "application"
                           and a.get_process_id() == program.pid)
    cell = wait_for("the cell of row 2, column 2", lambda a: a.getRoleName() == "text"
                    and a.name == "ред 2, коефициент пред x2", application)
    # The window in front and active, whatever the window manager did with it.
    settle()
    activate("windowactivate", "--sync")
    if expect("the window", window, 15):
        break
    # Orca that has only just started can still be telling the
    # accessibility bus what it listens to; a program that started in that
    # moment sends it nothing. Started again, it is heard.
    program.kill()
    program.wait()
    time.sleep(1)
    said_before = len(utterances())
else:
    sys.exit(1)
settle()
cell.queryComponent().grabFocus()
ok &= expect("a cell by its role", r"^ред 2, коефициент пред x2")
solve = wait_for("the solve button", lambda a: a.getRoleName() == "push button"
                 and (a.name or "").replace("&", "").strip() == "РЕШИ СИСТЕМАТА")
settle()
solve.queryAction().doAction(0)
for index, value, determinant in ((0, "-7", "главната детерминанта d"),
                                  (1, "-7", "d1: колона 1"), (2, "-21", "d2: колона 2")):
    ok &= expect(f"box {index + 1}, its value", rf"^det={value}\.")
    ok &= expect(f"box {index + 1}, which determinant", "^" + re.escape(determinant))
    ok &= expect(f"box {index + 1}, its button", r"push button")
    key("Return")
ok &= expect("the results after the last box", r"x1 = 1, x2 = 3")

key("ctrl+r")
# Every practice asks who is practising, the last name offered.
ok &= expect("the question who practises", r"^Кой се упражнява\?")
type_text("Ani")
key("Return")
ok &= expect("the practice window", r"^Реши сам")
ok &= expect("the field of d", r"^d = ")
type_text("7")
key("Return")
ok &= expect("a wrong answer's verdict", r"Не е вярно: (или )?диагоналите са разменени")
key("ctrl+h")
ok &= expect("a hint", r"По правилото за 2 × 2")
key("ctrl+a")
type_text("-7")
key("Return")
ok &= expect("a right answer", r"Вярно\.")
sys.exit(0 if ok else 1)
