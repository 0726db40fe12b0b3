#!/usr/bin/env bash
# Packs the Windows programs of the MinGW-w64 build into dist/Quorvel-<version>-win64.zip:
# Planwright.exe, Millsheet.exe, Orderloom.exe and INSTALL.txt. Builds them first when missing
# (scripts/build-windows.sh). The version is the project's, from CMakeLists.txt.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
build="${QVL_WINDOWS_BUILD:-$root/build-windows}"
programs=(Planwright Millsheet Orderloom)

if ! dpkg-query -W -f='${Status}' zip 2>/dev/null | grep -q "install ok installed"; then
  if [ "$(id -u)" -ne 0 ]; then echo "run as root, or install zip first" >&2; exit 1; fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends zip >/dev/null
fi

for program in "${programs[@]}"; do
  if [ ! -f "$build/programs/$program.exe" ]; then
    bash scripts/build-windows.sh
    break
  fi
done

version="$(sed -n 's/^project(Quorvel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
[ -n "$version" ] || { echo "no project version in CMakeLists.txt" >&2; exit 1; }
name="Quorvel-$version-win64"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/$name"
for program in "${programs[@]}"; do
  cp "$build/programs/$program.exe" "$stage/$name/"
done

# Windows line ends and a UTF-8 byte-order mark, for Notepad.
printf '\xef\xbb\xbf' >"$stage/$name/INSTALL.txt"
sed 's/$/\r/' >>"$stage/$name/INSTALL.txt" <<TEXT
Quorvel toolbox for CATIA V5, version $version (64-bit Windows)

Planwright.exe  drawings from CATPart and CATProduct models in batch
Millsheet.exe   machining process sheets from CATIA NC manufacturing processes
Orderloom.exe   sorts the children of a product in CATIA's product tree

Installing
- Give each program a folder of its own that you may write to, for example
  D:\\Quorvel\\Planwright\\Planwright.exe. Nothing else is installed: the programs need no
  runtime libraries, no registry entries and no administrator rights.
- CATIA V5 must be installed on the same computer. Start CATIA (or let the program start it)
  and open the document you want to work on before starting the program.

Templates (a folder "Template" beside the program)
- Planwright: Template\\DrwFrame_All.CATDrawing (first-angle projection) and
  Template\\DrwFrame_All_3rd.CATDrawing (third-angle projection).
- Millsheet:  Template\\CNCFrame_All.CATDrawing.
- Orderloom needs no template.

Settings
- Planwright and Millsheet keep their options in Conf1.ini beside the program, written when
  you press "设为默认". The file is in the Chinese code page GBK; keep the program folder
  writable so that the settings can be saved.
TEXT

mkdir -p dist
rm -f "dist/$name.zip"
(cd "$stage" && zip -q -r -X "$root/dist/$name.zip" "$name")
echo "wrote dist/$name.zip"
