#!/usr/bin/env bash
# Registers simcatia.exe as the local server of "CATIA.Application" in the current Wine prefix
# (WINEPREFIX set by the caller): register.sh PATH/TO/simcatia.exe
# Cheap when nothing changed: the prefix remembers which server it registered, and how.
#
# The simulated CATIA's windows (its reorder dialog) are not handed to a window manager: none
# runs on the virtual display, and Wine would wait two seconds for one each time such a window
# closes.
set -euo pipefail
server="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
stamp="$WINEPREFIX/.qvl-simcatia-registered"
registration="$server (unmanaged windows)"
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$registration" ] && exit 0

clsid='{FC523828-89FA-462F-81D0-46E298DE133D}'
windows_path="$(winepath -w "$server" 2>/dev/null)"
escaped="${windows_path//\\/\\\\}"
reg="$WINEPREFIX/qvl-simcatia.reg"
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CLASSES_ROOT\\CATIA.Application]\r\n@="CATIA Application (simulated)"\r\n\r\n'
  printf '[HKEY_CLASSES_ROOT\\CATIA.Application\\CLSID]\r\n@="%s"\r\n\r\n' "$clsid"
  printf '[HKEY_CLASSES_ROOT\\CLSID\\%s]\r\n@="CATIA Application (simulated)"\r\n\r\n' "$clsid"
  printf '[HKEY_CLASSES_ROOT\\CLSID\\%s\\LocalServer32]\r\n@="\\"%s\\""\r\n\r\n' "$clsid" "$escaped"
  printf '[HKEY_CLASSES_ROOT\\CLSID\\%s\\ProgID]\r\n@="CATIA.Application"\r\n\r\n' "$clsid"
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\simcatia.exe\\X11 Driver]\r\n"Managed"="N"\r\n'
} >"$reg"
wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
wineserver -w
printf '%s' "$registration" >"$stamp"
