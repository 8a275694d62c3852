#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The HTML of the worked solution (and of a worksheet) opened in LibreOffice Writer: no table
(a matrix or a block of its columns) is wider than the page, none may be
parted across pages, every number of every matrix is on the pages, and
Writer needs at most 1.3 times the pages of the program's own PDF (one
more for a short working).

Usage: html_in_writer.py PROGRAM GOLDEN_FOLDER"""
import glob
import os
import re
import subprocess
import sys
import tempfile
import zipfile

program, golden = sys.argv[1], sys.argv[2]
work = tempfile.mkdtemp()
systems = sorted(glob.glob(os.path.join(golden, "*.csv")))
for n in range(2, 10):
    path = os.path.join(work, f"exercise{n}.csv")
    subprocess.run([program, "--new-exercise", str(n), "--seed", str(n), "--output", path], check=True)
    systems.append(path)
pages = []
for system in systems:
    page = os.path.join(work, os.path.basename(system)[:-4] + ".html")
    # Singular systems and overflows still write their working: exit 2 and 3.
    result = subprocess.run([program, "--solve", system, "--format", "html", "--output", page],
                            stderr=subprocess.DEVNULL, env=dict(os.environ, LC_ALL="C.UTF-8"))
    assert result.returncode <= 3, system
    subprocess.run([program, "--solve", system, "--format", "pdf", "--output", page[:-5] + ".own.pdf"],
                   stderr=subprocess.DEVNULL, env=dict(os.environ, LC_ALL="C.UTF-8"))
    pages.append(page)

# A worksheet of 3 × 3 variants, two a page, with its key and worked
# solutions: Writer keeps its pages.
worksheet = os.path.join(work, "worksheet.html")
for output, form in ((worksheet, "html"), (worksheet[:-5] + ".own.pdf", "pdf")):
    subprocess.run([program, "--worksheet", "12", "--size", "3", "--seed", "3", "--key", "--solutions",
                    "--format", form, "--output", output], stderr=subprocess.DEVNULL, check=True,
                   env=dict(os.environ, LC_ALL="C.UTF-8"))
pages.append(worksheet)

# One start of Writer for all pages, as a word processor opens them.
for target in ("odt", "pdf:writer_pdf_Export"):
    subprocess.run(["soffice", f"-env:UserInstallation=file://{work}/profile", "--headless",
                    "--infilter=HTML (StarWriter)", "--convert-to", target, "--outdir", work] + pages,
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

failures = 0
cell = re.compile(r'<td style="padding:0 3pt;text-align:right[^"]*">([^<]*)</td>')


def page_count(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


for page in pages:
    name = os.path.basename(page)[:-5]
    html = open(page, encoding="utf-8").read()
    content = zipfile.ZipFile(os.path.join(work, name + ".odt")).read("content.xml").decode()
    tables = re.findall(r"<style:table-properties [^>]*>", content)
    for properties in tables:
        width = re.search(r'style:width="([0-9.]+)in"', properties)
        if 'may-break-between-rows="false"' not in properties:
            print(f"{name}: a table Writer may part across pages: {properties}")
            failures += 1
        # A4 less margins of 2 cm: 6.69 in.
        if width and float(width.group(1)) > 6.69:
            print(f"{name}: a table {width.group(1)} in wide, past the page's text")
            failures += 1
    text = subprocess.run(["pdftotext", os.path.join(work, name + ".pdf"), "-"],
                          capture_output=True, text=True, check=True).stdout
    words = set(text.split())
    numbers = cell.findall(html)
    if "<table" in html and not numbers:
        print(f"{name}: no matrix cell found: the check no longer matches the HTML")
        failures += 1
    missing = sorted({number for number in numbers if number not in words})
    if missing:
        print(f"{name}: numbers of its matrices missing from Writer's pages: {missing[:5]}")
        failures += 1
    writer, own = page_count(os.path.join(work, name + ".pdf")), page_count(page[:-5] + ".own.pdf")
    if writer > max(own + 1, 1.3 * own):
        print(f"{name}: {writer} pages in Writer against the program's {own}")
        failures += 1
    print(f"{name}: {len(tables)} tables, {writer} pages in Writer, {own} in the program's PDF")
sys.exit(1 if failures else 0)
