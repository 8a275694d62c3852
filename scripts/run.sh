#!/usr/bin/env bash
# Installs what is missing, builds an optimised program and opens the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
exec build/release/app/cramer
