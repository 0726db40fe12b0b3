#!/usr/bin/env bash
# Compiles all program and simulator code with the MinGW-w64 cross compiler, so that nothing
# POSIX-only enters the code that the Windows programs are built from.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-windows
echo "Windows cross build: ok"
