#!/usr/bin/env bash
# Builds the programs, the simulated CATIA, the scenario runner and the tests into build/.
# With target names (scripts/build.sh qvl-scenario) only those targets and what they need.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build "${targets[@]}"
