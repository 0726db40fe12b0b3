#!/usr/bin/env bash
# Builds everything and runs every test: the unit and program suites, the scenario
# transcripts, and the Windows cross build of all program and simulator code.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
bash scripts/build-windows.sh
bash scripts/test-windows.sh
