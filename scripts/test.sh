#!/usr/bin/env bash
# Checks the layout of the source tree, builds everything and runs every test: the unit and
# program suites, the scenario transcripts, and the Windows cross build of all program and
# simulator code.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/check-layout.sh
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
bash scripts/build-windows.sh
bash scripts/test-windows.sh
