#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every name docs/ARCHITECTURE.md writes as code must still be in the tree:
# a path must exist, an option or a string must occur in the code, an
# identifier must occur in it as a word. A page that names what no longer
# exists fails.
set -euo pipefail
root="$1"
page="$root/docs/ARCHITECTURE.md"
code=("$root/solver" "$root/sheets" "$root/report" "$root/window" "$root/app" "$root/bench" "$root/fuzz" "$root/tests")
missing=0
while IFS= read -r name; do
  case "$name" in
    */*) [ -e "$root/$name" ] || [ -e "$root/$name.cpp" ] || found=no ;;
    *.cpp | *.h | *.md) [ -n "$(find "$root" -path "$root/build" -prune -o -name "$name" -print -quit)" ] || found=no ;;
    -*) grep -rqF -- "$name" "${code[@]}" || found=no ;;
    *.*) grep -rqF -- "$name" "${code[@]}" || found=no ;;
    *) grep -rqw -- "$name" "${code[@]}" || found=no ;;
  esac
  if [ "${found:-yes}" = no ]; then
    echo "docs/ARCHITECTURE.md names \`$name\`, which is not in the tree"
    missing=$((missing + 1))
  fi
  unset found
done < <(grep -oP '`\K[^` ]{2,}(?=`)' "$page" | sort -u)
[ "$missing" -eq 0 ] && echo "every name on docs/ARCHITECTURE.md exists"
exit "$missing"
