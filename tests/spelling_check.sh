#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every Bulgarian word the program shows, as the text headers and tables
# hold it, is in hunspell's Bulgarian dictionary (hunspell-bg) or on the
# short list below of names and terms it lacks.
#   spelling_check.sh SOURCE_ROOT
set -euo pipefail
root="$1"
accepted=(
  Гаус Крамер КРАМЕР Руше Капели Сарус Скийл # names of methods and people
  ненулев неотрицателно клипборда мин ѝ # terms and a pronoun the dictionary lacks
)
words=$(python3 - "$root" <<'PY'
import re, sys
root = sys.argv[1]
found = set()
for name in ("report/texts.h", "report/working_texts.h", "report/practice_texts.h", "report/texts.cpp",
             "report/file_messages.cpp"):
    text = open(f"{root}/{name}", encoding="utf-8").read()
    for literal in re.findall(r'"((?:[^"\\]|\\.)*)"', text):
        # "&Решение": the mark of a menu's key is no letter.
        found.update(re.findall(r"[А-Яа-яЁёЍѝ]+", literal.replace("&", "")))
print("\n".join(sorted(found)))
PY
)
unknown=$(printf '%s\n' "$words" | hunspell -d bg_BG -l | sort -u | grep -vxF -f <(printf '%s\n' "${accepted[@]}") || true)
if [ -n "$unknown" ]; then
  echo "not in the Bulgarian dictionary:" $unknown
  exit 1
fi
echo "$(printf '%s\n' "$words" | wc -l) words, each in the dictionary or accepted"
