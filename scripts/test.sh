#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs every test: once in the
# developer build (benchmarks built too), once under AddressSanitizer and
# UndefinedBehaviorSanitizer; then each fuzz target for a minute; finally
# the Debian package is built and checked.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen
for preset in dev asan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
bash scripts/fuzz.sh 60
bash scripts/package.sh
