#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The third round of reading cases (third_round_cases.py): each openpyxl
# workbook saved again by LibreOffice Calc (Debian 12: libreoffice-calc 7.4)
# and by gnumeric's ssconvert (1.12), as .ods and .xlsx:
#   py-NAME.xlsx  calc-NAME.ods  calc-NAME.xlsx  gnumeric-NAME.ods  gnumeric-NAME.xlsx
# and calc.ods saved by Calc as a flat OpenDocument spreadsheet:
#   calc-saved.fods
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 third_round_cases.py "$work/py"
for workbook in "$work"/py/*.xlsx; do
  name=$(basename "$workbook" .xlsx)
  cp "$workbook" "py-$name.xlsx"
  for type in ods xlsx; do
    LC_ALL=C.UTF-8 soffice -env:UserInstallation="file://$work/profile" --headless \
      --convert-to "$type" --outdir "$work/calc/$type" "$workbook" >/dev/null
    cp "$work/calc/$type/$name.$type" "calc-$name.$type"
    ssconvert --recalc "$workbook" "gnumeric-$name.$type" 2>/dev/null
  done
done
LC_ALL=C.UTF-8 soffice -env:UserInstallation="file://$work/profile" --headless \
  --convert-to fods --outdir "$work/fods" calc.ods >/dev/null
cp "$work/fods/calc.fods" calc-saved.fods
