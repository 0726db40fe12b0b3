#!/usr/bin/env bash
# Runs a program of the Windows build under Wine: wine-run.sh PROGRAM.exe [ARGS...]
# (wine-run.sh --prepare: only prepares the prefix)
#
# Does everything such a run needs on a fresh Debian machine: installs Wine, Xvfb and a Chinese
# font when missing, prepares a Wine prefix inside the Windows build folder (kept between runs),
# registers the simulated CATIA when it has been built, provides a display when none is set,
# and runs PROGRAM (looked up by name in the Windows build folder unless given as a path),
# passing its exit status on. Arguments are handed over unchanged: give Windows paths where the
# program expects them (`winepath -w FILE`).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QVL_WINDOWS_BUILD:-$root/build-windows}"

if [ $# -lt 1 ]; then
  echo "usage: $0 PROGRAM.exe [ARGS...]" >&2
  exit 2
fi
program="$1"
shift

install_missing() {
  local needed=(wine wine64 xvfb xauth fonts-wqy-microhei fonts-wine faketime) missing=()
  for package in "${needed[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  echo "installing: ${missing[*]}" >&2
  if [ "$(id -u)" -ne 0 ]; then
    echo "run as root, or install these packages first: ${missing[*]}" >&2
    exit 1
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Starts a virtual X display for this run when there is none; Wine's windows and its COM
# (running objects between processes) need one.
start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local number
  for number in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$number" ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    if [ -e "/tmp/.X11-unix/X$number" ]; then
      export DISPLAY=":$number"
      return 0
    fi
  done
  echo "could not start a virtual display (Xvfb)" >&2
  exit 1
}

# Imports the .reg text on standard input into the prefix's registry (kept as qvl-NAME.reg).
import_registry() {
  local reg="$WINEPREFIX/qvl-$1.reg"
  cat >"$reg"
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
  wineserver -w
}

# A new prefix: Wine's own set-up, a font link so that Chinese text shows in Wine's default
# font, title bars drawn by Wine (no window manager runs), and Wine's caption-button font.
prepare_prefix() {
  [ -f "$WINEPREFIX/.qvl-prepared" ] && return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wine wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/" 2>/dev/null || true
  cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts/" 2>/dev/null || true
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
    # REG_MULTI_SZ as bytes of a file that Wine's regedit reads in the ANSI code page.
    local link
    link="$(printf 'wqy-microhei.ttc,WenQuanYi Micro Hei\0\0' | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//;s/,$//')"
    printf '"Tahoma"=hex(7):%s\r\n' "$link"
    printf '"Microsoft Sans Serif"=hex(7):%s\r\n' "$link"
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Decorated"="N"\r\n'
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
  } | import_registry settings
  touch "$WINEPREFIX/.qvl-prepared"
}

# The tables name 宋体 (SimSun) for some captions; a Chinese Windows has it, the prefix shows
# WenQuanYi in its place. Written as UTF-16, the form of a .reg file that holds any character.
substitute_fonts() {
  [ -f "$WINEPREFIX/.qvl-fonts" ] && return 0
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n"宋体"="WenQuanYi Micro Hei"\r\n"SimSun"="WenQuanYi Micro Hei"\r\n' |
    iconv -f UTF-8 -t UTF-16 | import_registry fonts
  touch "$WINEPREFIX/.qvl-fonts"
}

# Dates as a Chinese Windows writes them (2026/12/7), whatever the host's language; and windows
# that Wine places itself (no window manager runs), which close without waiting for one.
set_desktop() {
  [ -f "$WINEPREFIX/.qvl-desktop" ] && return 0
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Control Panel\\International]\r\n"sShortDate"="yyyy/M/d"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
  } | import_registry desktop
  touch "$WINEPREFIX/.qvl-desktop"
}

# Registers the simulated CATIA as the local server of "CATIA.Application", when it is built.
register_servers() {
  local server
  server="$(find "$build" -name simcatia.exe -print -quit 2>/dev/null || true)"
  [ -n "$server" ] || return 0
  local register="$root/sim/com_server/register.sh"
  [ -x "$register" ] || [ -f "$register" ] || return 0
  bash "$register" "$server"
}

# The drives of the programs' machine as folders of the build: D: to Y: are linked to
# $build/wine-drives/D ... Y, and $build/wine-drives/C is the prefix's C: drive. The UI driver
# (qvl-drive.exe) prepares a scenario's world there and the simulated CATIA reads it there;
# QVL_DRIVES names the folder as Windows sees it.
map_drives() {
  local drives="$build/wine-drives" letter
  mkdir -p "$drives"
  [ -L "$drives/C" ] || ln -sfn "$WINEPREFIX/drive_c" "$drives/C"
  for letter in D E F G H I J K L M N O P Q R S T U V W X Y; do
    mkdir -p "$drives/$letter"
    ln -sfn "$drives/$letter" "$WINEPREFIX/dosdevices/${letter,,}:"
  done
  local unix
  unix="$(cd "$drives" && pwd)"
  export QVL_DRIVES="Z:${unix//\//\\}"
}

locate_program() {
  if [ -f "$program" ]; then
    printf '%s\n' "$program"
    return
  fi
  local found
  found="$(find "$build" -name "$program" -type f -print -quit 2>/dev/null || true)"
  if [ -z "$found" ]; then
    echo "no $program in $build: build the Windows programs first (scripts/build-windows.sh)" >&2
    exit 2
  fi
  printf '%s\n' "$found"
}

install_missing
mkdir -p "$build"
export WINEPREFIX="${QVL_WINEPREFIX:-$build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
# One run at a time in a prefix: a run ends by stopping every Wine process of the prefix.
exec 9>"$WINEPREFIX.lock"
flock 9
start_display
prepare_prefix
substitute_fonts
set_desktop
register_servers
map_drives
# "--prepare" only makes the prefix ready (for a caller that puts files into it first).
[ "$program" = "--prepare" ] && exit 0
path="$(locate_program)"
# A scenario played on the real programs (qvl-drive.exe FILE) runs on a machine whose clock
# shows the scenario's date: its `today` line, else the date the headless machine gives. Every
# Wine process of the run, the Wine server too, moves its clock by the same offset (time of
# day and the monotonic clock run on).
clock=()
if [ "$(basename "$path")" = qvl-drive.exe ] && [ $# -ge 1 ]; then
  scenario="$1"
  [ -f "$scenario" ] || scenario="$(winepath -u "$scenario" 2>/dev/null || true)"
  today=""
  [ -f "$scenario" ] && today="$(sed -n 's|^[[:space:]]*today[[:space:]]\{1,\}"\{0,1\}\([0-9]\{4\}\)/\([0-9]\{1,2\}\)/\([0-9]\{1,2\}\)"\{0,1\}[[:space:]]*$|\1-\2-\3|p' "$scenario" | tail -n 1)"
  offset=$(($(date -d "${today:-2026-12-7} $(date +%H:%M:%S)" +%s) - $(date +%s)))
  ((offset >= 0)) && offset="+$offset"
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  # The clock library is loaded into every process directly (not through the faketime
  # command, which would wait for every process the run leaves behind, such as an Explorer
  # window a program opened). File times stay true: Wine compares them to tell whether the
  # prefix is up to date.
  library="$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -n 1 || true)"
  if [ -n "$library" ]; then
    clock=(env LD_PRELOAD="$library" FAKETIME="$offset" DONT_FAKE_MONOTONIC=1 NO_FAKE_STAT=1)
  fi
fi
status=0
"${clock[@]}" wine "$path" "$@" || status=$?
exit "$status"
