#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up against the windows any program pays for: builds the `bench`
# preset and measures, in one run under Xvfb with a session bus, the
# program's window (startup_form1), an empty window of the same size
# (startup_empty) and that window with one line of text (startup_text), each
# exiting at its first painted frame:
#   time         hyperfine, mean of RUNS runs (default 60)
#   instructions callgrind, the whole process (it ends at the first frame)
#   peak memory  /usr/bin/time, median of 5 runs
# and prints the ratios the goals are set on.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-60}"
bash scripts/install-deps.sh tools
cmake --preset bench >/dev/null
cmake --build --preset bench --target startup_form1 startup_empty startup_text >/dev/null
bin=build/bench/bench
out=build/bench/startup
mkdir -p "$out"

# One display and one session bus for every measurement, as on a desktop.
export DISPLAY=:93
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export QT_QPA_PLATFORM=xcb
session() { dbus-run-session -- "$@"; }
export -f session

programs=(empty text form1)
session hyperfine -N -w 5 -r "$runs" --export-json "$out/time.json" \
  "${programs[@]/#/$bin/startup_}" >/dev/null

declare -A instructions memory
for program in "${programs[@]}"; do
  session valgrind --tool=callgrind --callgrind-out-file="$out/callgrind.$program" \
    "$bin/startup_$program" 2>"$out/callgrind.$program.log"
  instructions[$program]=$(grep -oP 'Collected : \K[0-9]+' "$out/callgrind.$program.log")
  peaks=()
  for _ in 1 2 3 4 5; do
    peaks+=("$(session /usr/bin/time -f %M "$bin/startup_$program" 2>&1 >/dev/null | tail -1)")
  done
  memory[$program]=$(printf '%s\n' "${peaks[@]}" | sort -n | sed -n 3p)
done

python3 - "$out/time.json" "${instructions[empty]}" "${instructions[text]}" "${instructions[form1]}" \
  "${memory[empty]}" "${memory[text]}" "${memory[form1]}" <<'PY'
import json, sys
times = [r["mean"] * 1000 for r in json.load(open(sys.argv[1]))["results"]]
instructions = [int(v) / 1e6 for v in sys.argv[2:5]]
memory = [int(v) / 1024 for v in sys.argv[5:8]]
rows = [("start to first painted frame", times, "ms", "one line", 1.15),
        ("instructions to first frame", instructions, "M", "empty", 2.3),
        ("peak memory", memory, "MB", "one line", 1.05)]
print(f"{'':30} {'empty':>9} {'one line':>9} {'program':>9} {'/empty':>7} {'/line':>7}  goal")
for name, (empty, line, program), unit, against, goal in rows:
    ratio = program / (empty if against == "empty" else line)
    verdict = "met" if ratio <= goal else "NOT met"
    print(f"{name:30} {empty:7.1f}{unit:>2} {line:7.1f}{unit:>2} {program:7.1f}{unit:>2} "
          f"{program / empty:7.2f} {program / line:7.2f}  <= {goal} x {against}: {verdict}")
PY
