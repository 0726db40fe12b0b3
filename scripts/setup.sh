#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages, when it is missing.
set -euo pipefail

needed=(cmake ninja-build g++ libgtest-dev libgmock-dev nlohmann-json3-dev mingw-w64 libbenchmark-dev)
missing=()
for package in "${needed[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "run as root, or install these packages first: ${missing[*]}" >&2
    exit 1
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
