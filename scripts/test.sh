#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once in the
# developer build (benchmarks built too), once under AddressSanitizer and
# UndefinedBehaviorSanitizer; then each fuzz target for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
for preset in dev asan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
bash scripts/fuzz.sh 60
