#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the spreadsheet files of the tests from system.fods with LibreOffice
# Calc's own export (Debian 12: libreoffice-calc-nogui 7.4), under a
# Bulgarian and an English locale, each with a profile of its own:
#   calc-bg.csv            Calc's default CSV under bg_BG (decimal commas, so quoted)
#   calc-en.csv            Calc's default CSV under en_US
#   calc-bg-semicolon.csv  the ";" export under bg_BG (field options 59,34,76,1)
#   calc.ods, calc.xlsx    saved as OpenDocument and Office Open XML
#   system9.ods, .xlsx     a 9 x 9 system (system9.csv) saved as both, for the benchmarks
#   text-among-numbers.xlsx  text-among-numbers.fods saved as Office Open XML: a word in B2
# and, further down, the reading cases.
# The sheet: a header row, a blank row, decimals, a long decimal and a
# formula with its stored value.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
calc() { # locale, profile, filter, target folder
  LC_ALL="$1" LANG="$1" soffice -env:UserInstallation="file://$work/$2" --headless \
    --convert-to "$3" --outdir "$4" system.fods >/dev/null
}
sed 's/fo:language="bg" fo:country="BG"/fo:language="en" fo:country="US"/' system.fods >"$work/en.fods"
calc bg_BG.UTF-8 bg csv "$work/bg"
calc bg_BG.UTF-8 bg 'csv:Text - txt - csv (StarCalc):59,34,76,1' "$work/semicolon"
calc bg_BG.UTF-8 bg ods "$work/ods"
calc bg_BG.UTF-8 bg xlsx "$work/xlsx"
LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 soffice -env:UserInstallation="file://$work/en" --headless \
  --convert-to csv --outdir "$work/en" "$work/en.fods" >/dev/null
LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 soffice -env:UserInstallation="file://$work/en" --headless \
  --infilter=CSV:44,34,76,1 --convert-to ods --outdir "$work/nine" system9.csv >/dev/null
LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 soffice -env:UserInstallation="file://$work/en" --headless \
  --infilter=CSV:44,34,76,1 --convert-to xlsx --outdir "$work/nine" system9.csv >/dev/null
cp "$work/nine/system9.ods" "$work/nine/system9.xlsx" .
LC_ALL=bg_BG.UTF-8 LANG=bg_BG.UTF-8 soffice -env:UserInstallation="file://$work/bg" --headless \
  --convert-to xlsx --outdir "$work/bad" text-among-numbers.fods >/dev/null
cp "$work/bad/text-among-numbers.xlsx" .
cp "$work/bg/system.csv" calc-bg.csv
cp "$work/en/en.csv" calc-en.csv
cp "$work/semicolon/system.csv" calc-bg-semicolon.csv
cp "$work/ods/system.ods" calc.ods
cp "$work/xlsx/system.xlsx" calc.xlsx

# The reading cases: what teachers' files hold besides a plain system.
#   grouping.csv           grouping.fods (1500 shown as 1,500) in Calc's CSV, as shown, under en_US
#   labels.csv             labels.fods (a title, a label column) in Calc's CSV, UTF-8
#   labels-utf16.csv       the same in Calc's "Unicode" CSV (UTF-16 with a byte-order mark)
#   labels-1251.csv        labels.csv as Windows-1251 (iconv)
#   labels-cr.csv          labels.csv with old Mac line ends (CR alone)
#   py-*.xlsx              make_cases.py's workbooks, written by openpyxl
#   calc-*.ods, calc-*.xlsx  each of them saved again by Calc
csv() { # filter options, source, target
  LC_ALL=C.UTF-8 soffice -env:UserInstallation="file://$work/cases" --headless \
    --convert-to "csv:Text - txt - csv (StarCalc):$1" --outdir "$work/csv" "$2" >/dev/null
  mv "$work/csv/$(basename "${2%.fods}").csv" "$3"
}
csv 44,34,76,1,,0,false,true,true grouping.fods grouping.csv
csv 44,34,76,1 labels.fods labels.csv
csv 44,34,65535,1 labels.fods labels-utf16.csv
iconv -f UTF-8 -t WINDOWS-1251 labels.csv >labels-1251.csv
tr '\n' '\r' <labels.csv >labels-cr.csv
/usr/bin/python3 make_cases.py "$work/py"
for workbook in "$work"/py/*.xlsx; do
  name=$(basename "$workbook" .xlsx)
  cp "$workbook" "py-$name.xlsx"
  LC_ALL=C.UTF-8 soffice -env:UserInstallation="file://$work/cases" --headless \
    --convert-to ods --outdir "$work/calc" "$workbook" >/dev/null
  LC_ALL=C.UTF-8 soffice -env:UserInstallation="file://$work/cases" --headless \
    --convert-to xlsx --outdir "$work/calc/xlsx" "$work/calc/$name.ods" >/dev/null
  cp "$work/calc/$name.ods" "calc-$name.ods"
  cp "$work/calc/xlsx/$name.xlsx" "calc-$name.xlsx"
done
