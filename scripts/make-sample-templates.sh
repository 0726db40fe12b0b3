#!/usr/bin/env bash
# Writes the template drawings of the sample world (samples/world/C/QVL/Template) as the
# programs make them: the scenarios pw_templates_made and ms_templates_made start Planwright and
# Millsheet on the simulated CATIA from a program folder without templates, the person answers
# Yes, and the drawings that CATIA saved there are copied into the sample world.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh qvl-scenario >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
target=samples/world/C/QVL/Template
mkdir -p "$target"
for name in pw_templates_made ms_templates_made; do
  build/scenario/qvl-scenario "tests/scenario/transcripts/$name.scn" --keep "$work/$name" >/dev/null
  cp "$work/$name"/D/Quorvel/Template/*.CATDrawing "$target/"
done
ls -l "$target"
