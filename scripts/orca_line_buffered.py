#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Orca for a check: its debug log written line by line, so that the check
can read every utterance while Orca runs (Orca buffers the file and loses
its tail when stopped), and blind to the user's own Orca, which it would
otherwise refuse to run beside (or, with --replace, kill)."""
import builtins
import runpy
import sys

log = sys.argv[1]
plain_open = builtins.open


def line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return plain_open(file, mode, buffering=1, encoding="utf-8")
    return plain_open(file, mode, *args, **kwargs)


builtins.open = line_buffered
sys.argv = ["/usr/bin/orca", "--debug-file=" + log]
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
launcher["main"].__globals__["otherOrcas"] = lambda: []
sys.exit(launcher["main"]())
