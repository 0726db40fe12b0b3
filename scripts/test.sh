#!/usr/bin/env bash
# Checks the layout of the source tree, builds everything and runs every test: the unit and
# program suites, the scenario transcripts, the Windows cross build of all program and
# simulator code, its tests and every scenario over COM under Wine, and last every scenario
# played on the programs' real windows (end to end).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/check-layout.sh
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
bash scripts/build-windows.sh
bash scripts/test-windows.sh
bash scripts/test-drive.sh
