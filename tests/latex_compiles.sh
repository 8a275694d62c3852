#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The LaTeX of the worked solution compiles with pdflatex as written, with
# no overfull or underfull box, in vector fonts (cm-super: text that can be
# searched), and no line starts with "·": the pinned systems, a
# 9 × 9 of extreme values, 2 × 2 systems whose pictures are out of the
# ordinary (lines2-*.csv), a new exercise of every size from 2 to 9 and
# two worksheets with their key and worked solutions.
#   latex_compiles.sh PROGRAM GOLDEN_FOLDER DATA_FOLDER
set -euo pipefail
program=$1 golden=$2 data=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for system in "$golden"/*.csv "$data"/extremes9.csv "$data"/lines2-*.csv; do
  cp "$system" "$work/$(basename "$system" .csv).csv"
done
for n in 2 3 4 5 6 7 8 9; do
  "$program" --new-exercise "$n" --seed "$n" --fractions --output "$work/exercise$n.csv"
done

# Worksheets with their key and worked solutions: 2 × 2 (pictures) and 4 × 4.
for n in 2 4; do
  LC_ALL=C.UTF-8 "$program" --worksheet 6 --size "$n" --answers fractions --singular some --seed "$n" \
    --key --solutions --format latex --output "$work/worksheet$n.tex" 2>/dev/null
done

failed=0
for tex in "$work"/*.csv "$work"/worksheet*.tex; do
  name=$(basename "$tex"); name=${name%.*}
  # Singular systems and overflows still write their working: exit 2 and 3.
  if [ "${tex##*.}" = csv ]; then
    LC_ALL=C.UTF-8 "$program" --solve "$tex" --format latex --output "$work/$name.tex" 2>/dev/null || [ $? -le 3 ]
  fi
  if ! (cd "$work" && pdflatex -interaction=nonstopmode -halt-on-error "$name.tex" >/dev/null 2>&1); then
    echo "$name.tex does not compile:"; grep -a -A3 '^!' "$work/$name.log" || true
    failed=1
    continue
  fi
  boxes=$(grep -ac -E '^(Overfull|Underfull) \\[hv]box' "$work/$name.log" || true)
  if [ "$boxes" -gt 0 ]; then
    echo "$name.tex has $boxes over- or underfull boxes:"; grep -a -A1 -E '^(Overfull|Underfull)' "$work/$name.log" | head -6
    failed=1
  fi
  if pdffonts "$work/$name.pdf" | grep -q 'Type 3'; then
    echo "$name.pdf has bitmap (Type 3) fonts: is cm-super installed?"
    failed=1
  fi
  # In layout mode: a raised exponent or a tall parenthesis would otherwise
  # start a line of its own in pdftotext's reading.
  if pdftotext -layout "$work/$name.pdf" - | grep -q '^[[:space:]]*·'; then
    echo "$name.pdf has a line that starts with ·"
    failed=1
  fi
  echo "$name.tex: $(pdfinfo "$work/$name.pdf" 2>/dev/null | awk '/^Pages/ { print $2 }') pages"
done
exit $failed
