#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Orca for a check: its debug log written line by line, so that the check
can read every utterance while Orca runs (Orca buffers the file and loses
its tail when stopped), blind to the user's own Orca, which it would
otherwise refuse to run beside (or, with --replace, kill), and without a
voice: every utterance goes to the log, none to speech-dispatcher, whose
synthesiser on a desktop without sound (espeak-ng, say) would hold Orca
after its first words."""
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
sys.path.insert(0, "/usr/lib/python3/dist-packages")
import orca.speech  # noqa: E402  (after the path Orca itself uses)

orca.speech._initSpeechServer = lambda *arguments: None
sys.argv = ["/usr/bin/orca", "--debug-file=" + log]
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
launcher["main"].__globals__["otherOrcas"] = lambda: []
sys.exit(launcher["main"]())
