#!/usr/bin/env bash
# The demo: plays the scenarios of samples/demo/ on the sample world and keeps each run's
# simulated disk, with the drawings it saved and their SVG renders, in demo-output/<scenario>/.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only the scenario runner and the programs it runs: the test suites are not needed here.
bash scripts/build.sh qvl-scenario >/dev/null
rm -rf demo-output
mkdir -p demo-output
for script in samples/demo/*.scn; do
  name=$(basename "$script" .scn)
  echo "== $name"
  mkdir -p "demo-output/$name"
  build/scenario/qvl-scenario "$script" --keep "demo-output/$name" | tee "demo-output/$name/transcript.jsonl"
done
echo
echo "Results: demo-output/ (drive C: of a run is demo-output/<scenario>/C)"
