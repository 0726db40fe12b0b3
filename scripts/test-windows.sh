#!/usr/bin/env bash
# Runs the Windows backends' tests under Wine, against the Windows build of scripts/build-windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-windows
if [ -f "$build/tests/win32/win32_tests.exe" ]; then
  bash scripts/wine-run.sh "$build/tests/win32/win32_tests.exe" --gtest_brief=1
fi
