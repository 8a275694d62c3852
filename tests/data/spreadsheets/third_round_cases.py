#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the workbooks of the third round of reading cases with openpyxl
# (Debian 12: python3-openpyxl 3.0); make_third_round.sh has LibreOffice
# Calc and gnumeric save each again as .ods and .xlsx.
#   merged-title           a title merged over the first row, whose covered cells still hold
#                          old numbers (as Excel and Calc keep them when told to)
#   hash-labels            equations labelled "#1", "#2" in column A
#   numbered, numbered-text  equations numbered "1.", "2." and "1", "2" as text in column A
#   two-systems-one-sheet  two systems one below another, a blank row between them
#   en-dash                a minus typed as an en dash, as a word processor's autocorrect leaves it
import os
import re
import sys
import zipfile

from openpyxl import Workbook

folder = sys.argv[1] if len(sys.argv) > 1 else "."
os.makedirs(folder, exist_ok=True)
TASK = [[1, 1, 3], [1, -1, 1]]


def book(rows):
    workbook = Workbook()
    sheet = workbook.active
    sheet.title = "Лист1"
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            if value is not None:
                sheet.cell(row=r + 1, column=c + 1, value=value)
    return workbook, sheet


def save(workbook, name):
    path = os.path.join(folder, name + ".xlsx")
    workbook.save(path)
    return path


workbook, sheet = book([["Система"]] + TASK)
sheet.merge_cells("A1:C1")
path = save(workbook, "merged-title")
# openpyxl drops what covered cells hold; put the old numbers back in them.
with zipfile.ZipFile(path) as old:
    parts = {name: old.read(name) for name in old.namelist()}
part = "xl/worksheets/sheet1.xml"
parts[part] = re.sub(rb'(<c r="A1"[^>]*>.*?</c>)', rb'\1<c r="B1"><v>9</v></c><c r="C1"><v>8</v></c>',
                     parts[part], count=1, flags=re.S)
with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as new:
    for name, data in parts.items():
        new.writestr(name, data)

save(book([["#1"] + TASK[0], ["#2"] + TASK[1]])[0], "hash-labels")
save(book([["1."] + TASK[0], ["2."] + TASK[1]])[0], "numbered")
save(book([["1"] + TASK[0], ["2"] + TASK[1]])[0], "numbered-text")
save(book(TASK + [[None]] + [[2, 0, 2], [0, 2, 4]])[0], "two-systems-one-sheet")
save(book([[1, 1, 3], [1, "\u20131", 1]])[0], "en-dash")
