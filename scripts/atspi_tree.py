# SPDX-License-Identifier: GPL-3.0-or-later
"""Finding the program's widgets in the accessibility tree, as a screen
reader sees them; shared by the screen-reader checks."""
import sys
import time

import pyatspi


def find(root, test, depth=0):
    if root is None or depth > 40:
        return None
    try:
        if test(root):
            return root
        for child in root:
            found = find(child, test, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


def wait_for(what, test, root=None, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find(root or pyatspi.Registry.getDesktop(0), test)
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit(f"not found: {what}")
