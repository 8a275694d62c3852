#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The second round of reading cases (reading_cases.py): each openpyxl
# workbook saved again by LibreOffice Calc (Debian 12: libreoffice-calc 7.4)
# and by gnumeric's ssconvert (1.12), as .ods and .xlsx:
#   py-NAME.xlsx  calc-NAME.ods  calc-NAME.xlsx  gnumeric-NAME.ods  gnumeric-NAME.xlsx
# Calc computes the formulas openpyxl leaves without values. Of shown-grouped,
# Calc's CSV as shown under en_US ("1,500" beside 2.5), with "," and with
# ";", and the first as a teacher's editor may leave it:
#   calc-en-shown.csv  calc-en-shown-semicolon.csv
#   en-shown-trailing-tab.csv  a tab at the end of line 2
#   en-shown-cr-lf.csv         line 1 ended by CR alone, the others by LF
#   en-shown-utf16le.csv, en-shown-utf16be.csv  UTF-16 without a byte-order mark
#   en-shown-minus.csv         U+2212 for each minus
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 reading_cases.py "$work/py"
cp "$work/py/phonetic.xlsx" py-phonetic.xlsx
for workbook in "$work"/py/*.xlsx; do
  name=$(basename "$workbook" .xlsx)
  [ "$name" = phonetic ] && continue
  if [ "$name" = shown-grouped ]; then
    for options in 44,34,76,1,,0,false,true,true 59,34,76,1,,0,false,true,true; do
      LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 soffice -env:UserInstallation="file://$work/en" --headless \
        --convert-to "csv:Text - txt - csv (StarCalc):$options" --outdir "$work/csv-${options%%,*}" \
        "$workbook" >/dev/null
    done
    cp "$work/csv-44/$name.csv" calc-en-shown.csv
    cp "$work/csv-59/$name.csv" calc-en-shown-semicolon.csv
    sed '2s/$/\t/' calc-en-shown.csv >en-shown-trailing-tab.csv
    { head -n 1 calc-en-shown.csv | tr -d '\n'; printf '\r'; tail -n +2 calc-en-shown.csv; } >en-shown-cr-lf.csv
    iconv -f UTF-8 -t UTF-16LE calc-en-shown.csv >en-shown-utf16le.csv
    iconv -f UTF-8 -t UTF-16BE calc-en-shown.csv >en-shown-utf16be.csv
    sed 's/-/\xe2\x88\x92/g' calc-en-shown.csv >en-shown-minus.csv
    continue
  fi
  cp "$workbook" "py-$name.xlsx"
  for type in ods xlsx; do
    LC_ALL=C.UTF-8 soffice -env:UserInstallation="file://$work/profile" --headless \
      --convert-to "$type" --outdir "$work/calc/$type" "$workbook" >/dev/null
    cp "$work/calc/$type/$name.$type" "calc-$name.$type"
    ssconvert --recalc "$workbook" "gnumeric-$name.$type" 2>/dev/null
  done
done
