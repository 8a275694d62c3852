#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's words are all Qt's to translate, and the translations whole.

  translations_check.py ROOT LUPDATE SOURCE…

1. No string literal with a Cyrillic letter stands in the program's code
   outside CRAMER_TEXT(…) or CRAMER_COUNTED(…), the forms lupdate reads (as
   QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP), or CRAMER_OWN_NAME(…), a
   language's own name, the same in every language.
2. lupdate run over SOURCE… (the files holding the texts) on a copy of each
   translations/*.ts changes nothing: no text new, none vanished, and no
   entry is left unfinished or obsolete. The Bulgarian file, of the texts'
   own language, holds only the plural forms of the texts with a count.
3. Every translation, each plural form of it, keeps its source's blanks
   (%1, %2, …, %n), its no-break spaces and its accelerator (&).
Exits 1 naming every fault.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

root = pathlib.Path(sys.argv[1])
lupdate = sys.argv[2]
sources = sys.argv[3:]
faults = []
CYRILLIC = re.compile('[\u0400-\u04FF]')


def literals_outside_texts(code):
    """(line, literal) for each string literal outside CRAMER_TEXT(…)."""
    out, i, depth, inside_at = [], 0, 0, None
    while i < len(code):
        if code.startswith('//', i):
            i = code.find('\n', i)
            i = len(code) if i < 0 else i
        elif code.startswith('/*', i):
            i = code.find('*/', i) + 2
        elif code.startswith('R"', i):
            delimiter = code[i + 2:code.index('(', i)]
            end = code.index(')' + delimiter + '"', i) + len(delimiter) + 2
            if inside_at is None:
                out.append((code.count('\n', 0, i) + 1, code[i:end]))
            i = end
        elif code[i] == '"':
            j = i + 1
            while code[j] != '"':
                j += 2 if code[j] == '\\' else 1
            if inside_at is None:
                out.append((code.count('\n', 0, i) + 1, code[i:j + 1]))
            i = j + 1
        elif code[i] == "'":
            j = i + 1
            while code[j] != "'":
                j += 2 if code[j] == '\\' else 1
            i = j + 1
        elif code.startswith(('CRAMER_TEXT(', 'CRAMER_COUNTED(', 'CRAMER_OWN_NAME('), i) \
                and not code[i - 1:i].isalnum():
            inside_at, depth = i, 1
            i = code.index('(', i) + 1
        else:
            if inside_at is not None:
                depth += {'(': 1, ')': -1}.get(code[i], 0)
                if depth == 0:
                    inside_at = None
            i += 1
    return out


for folder in ('app', 'report', 'window', 'sheets', 'progress', 'solver'):
    for path in sorted((root / folder).rglob('*')):
        if path.suffix not in ('.cpp', '.h'):
            continue
        for line, literal in literals_outside_texts(path.read_text(encoding='utf-8')):
            if CYRILLIC.search(literal):
                faults.append(f'{path.relative_to(root)}:{line}: a text outside CRAMER_TEXT: {literal[:60]}')

with tempfile.TemporaryDirectory() as work:
    for ts in sorted((root / 'translations').glob('*.ts')):
        copy = pathlib.Path(work) / ts.name
        shutil.copy(ts, copy)
        plural_only = ['-pluralonly'] if ts.name == 'cramer_bg.ts' else []
        run = subprocess.run([lupdate, '-tr-function-alias',
                              'QT_TRANSLATE_NOOP+=CRAMER_TEXT,QT_TRANSLATE_N_NOOP+=CRAMER_COUNTED',
                              '-locations', 'none', '-no-obsolete', *plural_only, *sources, '-ts', str(copy)],
                             capture_output=True, text=True)
        if run.returncode != 0:
            faults.append(f'lupdate failed on {ts.name}: {run.stderr.strip()}')
            continue
        updated = copy.read_text(encoding='utf-8')
        if updated != ts.read_text(encoding='utf-8'):
            faults.append(f'{ts.name} is not up to date with the texts ({run.stdout.strip()}); '
                          'build the target update_translations and translate what it adds')
        for kind in ('unfinished', 'obsolete', 'vanished'):
            count = updated.count(f'type="{kind}"')
            if count:
                faults.append(f'{ts.name}: {count} {kind} entries')

def kept(text):
    """What a translation must keep of its source."""
    return (sorted(set(re.findall(r'%[\dn]', text))), text.count('\u00a0'), text.replace('&&', '').count('&'))


for ts in sorted((root / 'translations').glob('*.ts')):
    for context in ElementTree.parse(ts).getroot().iter('context'):
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            forms = [form.text or '' for form in message.iter('numerusform')]
            for translation in forms or [message.findtext('translation') or '']:
                if kept(source) != kept(translation):
                    faults.append(f'{ts.name}, {context.findtext("name")}: "{translation[:50]}" does not keep '
                                  f'the blanks, no-break spaces or accelerator of "{source[:50]}"')

for fault in faults:
    print(fault)
sys.exit(1 if faults else 0)
