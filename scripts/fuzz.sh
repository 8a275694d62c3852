#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (preset `fuzz`) and runs each for the given
# number of seconds (default 60), starting from the checked-in corpus. New
# inputs go to build/fuzz/corpus; a finding is saved in build/fuzz/findings
# and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in parse solve file sheet working; do
  work="build/fuzz/corpus/$target"
  mkdir -p "$work" build/fuzz/findings
  options=(-max_total_time="$seconds" -artifact_prefix=build/fuzz/findings/ -print_final_stats=1)
  [ "$target" = parse ] && options+=(-max_len=128 -dict=fuzz/parse.dict)
  [ "$target" = file ] && options+=(-max_len=4096)
  [ "$target" = sheet ] && options+=(-max_len=16384 -timeout=10)
  [ "$target" = working ] && options+=(-max_len=512 -timeout=10)
  echo "Fuzzing $target for $seconds s"
  "build/fuzz/fuzz/${target}_fuzz" "${options[@]}" "$work" "fuzz/corpus/$target" 2>"build/fuzz/$target.log" ||
    { tail -30 "build/fuzz/$target.log"; exit 1; }
  grep -E '^stat::number_of_executed_units' "build/fuzz/$target.log"
done
