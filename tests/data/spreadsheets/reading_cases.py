#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the workbooks of the second round of reading cases with openpyxl
# (Debian 12: python3-openpyxl 3.0); make_reading_cases.sh has LibreOffice
# Calc and gnumeric save each again as .ods and .xlsx.
#   empty-formula-beside   a formula giving "" beside the system
#   empty-formula-inside   a formula giving "" where a coefficient belongs
#   accounting-zero        a 0 shown as "-" by an accounting format
#   text-double-space      a text cell "1  000" among the numbers
#   text-marks             text cells "1,500" and "2.5" among the numbers
#   shown-sheet-no-system  the shown sheet „Задача“ holds 2 and 4 only; „Система“ the system
#   two-systems            a system on each of „Вариант 1“ and „Вариант 2“
#   shown-grouped          1500 and 2000 shown grouped ("1,500") beside 2.5 and -0.75, for
#                          Calc's CSV "as shown" under en_US
# and phonetic.xlsx by hand: an inline string with a phonetic run.
import os
import sys
import zipfile

from openpyxl import Workbook

folder = sys.argv[1] if len(sys.argv) > 1 else "."
os.makedirs(folder, exist_ok=True)
TASK = [[1, 1, 3], [1, -1, 1]]


def book(rows, title="Лист1"):
    workbook = Workbook()
    sheet = workbook.active
    sheet.title = title
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            if value is not None:
                sheet.cell(row=r + 1, column=c + 1, value=value)
    return workbook, sheet


def save(workbook, name):
    workbook.save(os.path.join(folder, name + ".xlsx"))


save(book([[1, 1, 3, None, '=IF(A1>100,"голямо","")'], [1, -1, 1]])[0], "empty-formula-beside")
save(book([[1, 1, 3], [1, '=IF(A1>100,"голямо","")', 1]])[0], "empty-formula-inside")
workbook, sheet = book([[1, 0, 3], [1, -1, 1]])
sheet["B1"].number_format = '_-* #,##0.00_-;-* #,##0.00_-;_-* "-"??_-;_-@_-'
save(workbook, "accounting-zero")
save(book([[1, 1, 3], [1, "1  000", 1]])[0], "text-double-space")
save(book([["1,500", "2.5", 3], [4, 5, 6]])[0], "text-marks")

workbook, task = book([[2, 4]], "Задача")
system = workbook.create_sheet("Система")
for r, row in enumerate(TASK):
    for c, value in enumerate(row):
        system.cell(row=r + 1, column=c + 1, value=value)
save(workbook, "shown-sheet-no-system")

workbook, first = book(TASK, "Вариант 1")
second = workbook.create_sheet("Вариант 2")
for r, row in enumerate([[2, 0, 2], [0, 2, 4]]):
    for c, value in enumerate(row):
        second.cell(row=r + 1, column=c + 1, value=value)
save(workbook, "two-systems")

workbook, sheet = book([[1500, 2.5, -1, 2000], [2, -0.75, 1, 3], [1, 1, 1, 4]])
for cell in ("A1", "D1"):
    sheet[cell].number_format = "#,##0"
save(workbook, "shown-grouped")

# An inline string with a phonetic run, as East Asian Excel writes one: the
# run is a reading aid, not the cell's text.
parts = {
    "[Content_Types].xml": '<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/><Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/></Types>',
    "_rels/.rels": '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>',
    "xl/workbook.xml": '<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Лист1" sheetId="1" r:id="rId1"/></sheets></workbook>',
    "xl/_rels/workbook.xml.rels": '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/></Relationships>',
    "xl/worksheets/sheet1.xml": '<?xml version="1.0" encoding="UTF-8"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
    '<row r="1"><c r="A1"><v>1</v></c><c r="B1"><v>1</v></c><c r="C1"><v>3</v></c></row>'
    '<row r="2"><c r="A2"><v>1</v></c><c r="B2" t="inlineStr"><is><t>-1</t><rPh sb="0" eb="2"><t>x</t></rPh></is></c><c r="C2"><v>1</v></c></row>'
    '</sheetData></worksheet>',
}
with zipfile.ZipFile(os.path.join(folder, "phonetic.xlsx"), "w", zipfile.ZIP_DEFLATED) as archive:
    for name, text in parts.items():
        archive.writestr(name, text)
