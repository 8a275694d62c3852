#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the workbooks of the reading cases with openpyxl (Debian 12:
# python3-openpyxl 3.0), each as a teacher might leave it; make.sh has
# LibreOffice Calc save every one again as .ods and .xlsx.
#   hidden-first-sheet     an old system on a hidden first sheet, the task on the second
#   active-second-sheet    a system on each sheet, the second shown
#   instructions-first     instructions on the first sheet, shown; the system on the second
#   labels-and-comments    column A empty, labels in B, a hidden column and row of other
#                          numbers, a comment on the right
#   date-cell, time-cell, boolean-cell   one such cell among the coefficients
#   error-in-column-a      #DIV/0! where the first coefficient belongs
#   formula-without-value  a formula openpyxl stores without its value
#   no-equations           two sheets of text
import datetime
import os
import sys

from openpyxl import Workbook

folder = sys.argv[1] if len(sys.argv) > 1 else "."
os.makedirs(folder, exist_ok=True)
TASK = [[1, 1, 3], [1, -1, 1]]


def fill(sheet, rows, left=1, top=1):
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            if value is not None:
                sheet.cell(row=top + r, column=left + c, value=value)


def book(*titles):
    workbook = Workbook()
    sheets = [workbook.active]
    sheets[0].title = titles[0]
    for title in titles[1:]:
        sheets.append(workbook.create_sheet(title))
    return workbook, sheets


def save(workbook, name):
    workbook.save(os.path.join(folder, name + ".xlsx"))


workbook, (old, task) = book("Стара", "Задача")
fill(old, [[9, 9, 9], [9, 8, 7]])
fill(task, TASK)
old.sheet_state = "hidden"
workbook.active = 1
save(workbook, "hidden-first-sheet")

workbook, (first, second) = book("Първа", "Втора")
fill(first, [[2, 0, 2], [0, 2, 4]])
fill(second, TASK)
workbook.active = 1
second.sheet_view.tabSelected = True
first.sheet_view.tabSelected = False
save(workbook, "active-second-sheet")

workbook, (notes, task) = book("Указания", "Задача")
fill(notes, [["Решете системата от втория лист по правилото на Крамер."], ["Срок: петък"]])
fill(task, [["x1", "x2", "b"]] + TASK)
save(workbook, "instructions-first")

workbook, (sheet,) = book("Система")
fill(sheet, [["Уравнение 1", 1, 99, 1, 3, "първото"], ["Уравнение 2", 1, 99, -1, 1],
             [None, 7, 7, 7, 7]], left=2)
sheet.column_dimensions["D"].hidden = True
sheet.row_dimensions[3].hidden = True
save(workbook, "labels-and-comments")

for name, value in (("date-cell", datetime.date(2024, 3, 15)), ("time-cell", datetime.time(12, 0)),
                    ("boolean-cell", True)):
    workbook, (sheet,) = book("Лист1")
    fill(sheet, [[1, 2, 3], [4, value, 6]])
    save(workbook, name)

workbook, (sheet,) = book("Лист1")
fill(sheet, [[None, 2, 3], [4, 5, 6]])
sheet["A1"] = "#DIV/0!"
sheet["A1"].data_type = "e"
save(workbook, "error-in-column-a")

workbook, (sheet,) = book("Лист1")
fill(sheet, [[1, 2, 3], [4, 5, "=A2*2"]])
save(workbook, "formula-without-value")

workbook, (notes, more) = book("Указания", "Бележки")
fill(notes, [["Задачата е на дъската."]])
fill(more, [["Няма"]])
save(workbook, "no-equations")
