#!/usr/bin/env bash
# Takes pictures of the three programs' main windows, as a user sees them after starting them:
#   screenshots.sh DIR   writes DIR/planwright.png, DIR/millsheet.png, DIR/orderloom.png
#
# Each program of the Windows build (scripts/build-windows.sh) is started under Wine on a
# virtual display of its own (scripts/wine-run.sh); the messages it shows at start-up (no CATIA
# running) are answered with Enter, then its window is photographed with its title bar and
# ended.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:?usage: $0 DIR}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

install_missing() {
  local needed=(xvfb xdotool imagemagick) missing=()
  for package in "${needed[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "run as root, or install these packages first: ${missing[*]}" >&2
    exit 1
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
install_missing

xvfb_pid=""
for number in $(seq 150 199); do
  [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
  Xvfb ":$number" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
  export DISPLAY=":$number"
  break
done
[ -n "$xvfb_pid" ] || { echo "no free display for Xvfb" >&2; exit 1; }
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

visible_windows() { xdotool search --onlyvisible --name '.+' 2>/dev/null || true; }

build="${QVL_WINDOWS_BUILD:-$root/build-windows}"
prefix="${QVL_WINEPREFIX:-$build/wineprefix}"

bash "$root/scripts/wine-run.sh" --prepare

# shoot PROGRAM TITLE FILE: installs PROGRAM.exe as a user would (C:\Quorvel\PROGRAM\), starts
# it, answers its start-up messages and photographs its window TITLE.
shoot() {
  local program="$1" title="$2" file="$3" window="" deadline
  local folder="$prefix/drive_c/Quorvel/$program"
  mkdir -p "$folder"
  cp "$build/programs/$program.exe" "$folder/"
  bash "$root/scripts/wine-run.sh" "$folder/$program.exe" >/dev/null 2>&1 &
  program_pid=$!
  deadline=$((SECONDS + 120))
  while ((SECONDS < deadline)); do
    sleep 1
    local others=0 id
    window=""
    for id in $(visible_windows); do
      local name
      name="$(xdotool getwindowname "$id" 2>/dev/null || true)"
      [ -z "$name" ] && continue
      if [ "$name" = "$title" ]; then window="$id"; else others=1; fi
    done
    if ((others)); then
      # A start-up message: its OK button has the focus.
      xdotool key Return
      continue
    fi
    [ -n "$window" ] && break
  done
  if [ -z "$window" ]; then
    echo "$program: no window \"$title\" appeared" >&2
    return 1
  fi
  sleep 1
  import -window "$window" "$out/$file"
  echo "wrote $out/$file"
  # Ends the program by ending the prefix's Wine processes (this script's own run).
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  wait "$program_pid" || true
  program_pid=""
}

shoot Planwright "Quorvel工具箱CATIA版 | 自动投图" planwright.png
shoot Millsheet "Quorvel工具箱CATIA版 | 生成加工单" millsheet.png
shoot Orderloom "图形树重新排序|Orderloom" orderloom.png
