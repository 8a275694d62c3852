#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader is told of practice, through AT-SPI as Orca reads it.

Started by check-screen-reader.sh with the program showing a 2 × 2 system:
opens "Реши сам" from the menu, answers d wrongly, asks for a hint, and
prints what the accessibility tree says at each step. Exits 1 when a verdict
or a hint is not there as text.
"""
import sys
import time

from atspi_tree import find, wait_for


def role(accessible):
    return accessible.getRoleName()


def press(accessible):
    accessible.queryAction().doAction(0)


app = wait_for("the program", lambda a: role(a) == "application" and "cramer" in (a.name or "").lower())
item = wait_for("the menu item", lambda a: role(a) == "menu item" and a.name.replace("&", "") == "Реши сам", app)
press(item)
# Every practice asks who is practising: a name, then OK.
who = wait_for("the question who practises", lambda a: role(a) == "dialog" and a.name == "Кой се упражнява?", app)
wait_for("the name", lambda a: role(a) == "text", who).queryEditableText().setTextContents("Ani")
press(wait_for("OK", lambda a: role(a) == "push button" and a.name.replace("&", "") in ("OK", "Добре"), who))
window = wait_for("the practice window", lambda a: role(a) in ("frame", "window") and (a.name or "").startswith("Реши сам"), app)
field = wait_for("the field of d", lambda a: role(a) == "text" and a.name == "d", window)
field.queryEditableText().setTextContents("7")
check = wait_for("Провери", lambda a: role(a) == "push button" and a.name.replace("&", "") == "Провери", window)
press(check)
time.sleep(0.5)
failed = False
verdict = find(window, lambda a: role(a) == "label" and (a.name or "").startswith("Не е вярно"))
print("verdict, as text of the window:", verdict.name if verdict else None)
print("the field of d, its description:", field.description)
failed |= verdict is None or field.description != verdict.name
hint = wait_for("Подсказка", lambda a: role(a) == "push button" and a.name.replace("&", "") == "Подсказка", window)
press(hint)
time.sleep(0.5)
said = find(window, lambda a: role(a) == "label" and "2 × 2" in (a.name or ""))
print("hint, as text of the window:", said.name if said else None)
failed |= said is None
picture = find(window, lambda a: "права 1" in (a.description or ""))
print("the picture of the lines, its description:", picture.description if picture else None)
failed |= picture is None
sys.exit(1 if failed else 0)
