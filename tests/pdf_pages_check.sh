#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The PDF of the worked solution holds everything the text form says, on A4
# pages with margins of 20 mm: for 504 systems of 2 to 9 equations
# (integers, decimals, tiny and huge values), every heading of the text form
# is on the pages in the same order, with the verdict last, no page is
# empty or, but the last, less than a third full, and no word of any page
# comes nearer its edge than 55 pt.
# Usage: pdf_pages_check.sh CRAMER [SYSTEMS_PER_SIZE]
set -euo pipefail
cramer=$1
per_size=${2:-63}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8
failures=0
fail() {
  echo "$1" >&2
  failures=$((failures + 1))
}
for n in 2 3 4 5 6 7 8 9; do
  for seed in $(seq 1 "$per_size"); do
    name="n$n-seed$seed"
    "$cramer" --new-exercise "$n" --seed "$seed" $([ $((seed % 2)) = 0 ] && echo --fractions) >"$work/exercise.csv"
    # Decimals, tiny and huge values from the same system.
    case $((seed % 3)) in
      0) cp "$work/exercise.csv" "$work/system.csv" ;;
      1) awk -F, -v OFS=, '{ for (i = 1; i <= NF; i++) $i = sprintf("%.3f", $i / 8) } 1' \
        "$work/exercise.csv" >"$work/system.csv" ;;
      2) awk -F, -v OFS=, -v e=$(((seed % 2) ? -12 : 15)) '{ for (i = 1; i <= NF; i++) $i = $i "e" e } 1' \
        "$work/exercise.csv" >"$work/system.csv" ;;
    esac
    "$cramer" --solve "$work/system.csv" --format text >"$work/text.txt" 2>/dev/null || true
    if ! "$cramer" --solve "$work/system.csv" --format pdf --output "$work/pages.pdf" 2>/dev/null &&
      [ ! -s "$work/pages.pdf" ]; then
      fail "$name: no PDF"
      continue
    fi
    pdftotext -raw "$work/pages.pdf" "$work/raw.txt"
    # Pages are parted by form feeds; a page holding only its number is empty.
    awk -v RS='\f' -v name="$name" '{ page[NR] = $0 }
      END { for (i = 1; i <= NR; i++) {
              text = page[i]; gsub(/[0-9]+ \/ [0-9]+/, "", text); gsub(/[[:space:]]/, "", text)
              if (text == "" && !(i == NR && page[i] == "")) { print name ": page " i " is empty"; bad = 1 } }
            exit bad }' "$work/raw.txt" >&2 || failures=$((failures + 1))
    tr -d '\f' <"$work/raw.txt" >"$work/pages.txt"
    # The headings are the lines the text form underlines.
    awk 'previous != "" && /^-+$/ { print previous } { previous = $0 }' "$work/text.txt" >"$work/headings"
    position=0
    while IFS= read -r heading; do
      # A long heading may wrap: its start is looked for.
      found=$(awk -v h="${heading:0:30}" -v from="$position" 'NR > from && index($0, h) == 1 { print NR; exit }' \
        "$work/pages.txt")
      if [ -z "$found" ]; then
        fail "$name: the heading „$heading“ is missing from the PDF or out of order"
        break
      fi
      position=$found
    done <"$work/headings"
    last=$(awk 'NF { line = $0 } END { sub(/^ +/, "", line); print substr(line, 1, 30) }' "$work/text.txt")
    grep -qF -- "$last" "$work/pages.txt" || fail "$name: the last line „$last“ is missing from the PDF"
    # The page number stands below the text, in the last 80 pt; the text of
    # every page but the last reaches a third of the way down at least.
    pdftotext -bbox "$work/pages.pdf" - | awk -v name="$name" '
      /<page / { match($0, /width="[0-9.]+"/); w = substr($0, RSTART + 7, RLENGTH - 8)
                 match($0, /height="[0-9.]+"/); h = substr($0, RSTART + 8, RLENGTH - 9); page++ }
      /<word / { split($0, a, "\""); if (a[2] < 55 || a[4] < 55 || a[6] > w - 55 || a[8] > h - 55) {
                   print name ": page " page ": a word within 55 pt of the edge: " $0; bad = 1; exit }
                 if (a[4] < h - 80 && a[8] > bottom[page]) bottom[page] = a[8] }
      END { for (i = 1; i < page && !bad; i++)
              if ((bottom[i] - 56.7) / (h - 2 * 56.7) < 1 / 3) {
                print name ": page " i " of " page " is less than a third full"; bad = 1 }
            exit bad }' >&2 || failures=$((failures + 1))
  done
done
[ "$failures" -eq 0 ] || { echo "$failures faults" >&2; exit 1; }
