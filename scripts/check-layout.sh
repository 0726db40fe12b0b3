#!/usr/bin/env bash
# Checks the layout rules of the source tree (README, "Layout"):
# - Windows headers are included only in win32/, sim/com_server/, drive/ and tests/win32/;
# - neither drawing program includes the other's headers;
# - the interfaces (common/) and the programs include nothing of the headless machine
#   (headless/) or of the simulated CATIA (sim/);
# - the simulated CATIA (sim/, its COM server included) includes nothing of what runs it: the
#   scenario runner (scenario/) and the driver (drive/).
# Prints every offending line and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
sources() { git ls-files --cached --others --exclude-standard -- "$@" | grep -E '\.(h|hpp|cpp|cc|c|rc)$' || true; }
offend() {
  # $1: rule; stdin: grep -n output of the offending lines. Fails when there is one.
  local lines
  lines=$(cat)
  [ -z "$lines" ] && return 0
  echo "layout: $1" >&2
  echo "$lines" >&2
  return 1
}
includes() {
  # $1: grep options (-i for Windows headers, whose names ignore case); $2: extended regex of
  # the included path; the rest: files
  local options=$1 pattern=$2
  shift 2
  [ "$#" -eq 0 ] && return 0
  grep -sHnE $options "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($pattern)[>\"]" "$@" || true
}

windows_headers='windows\.h|ole2\.h|oleauto\.h|objbase\.h|shlobj\.h|commctrl\.h'
mapfile -t outside < <(sources . ':!win32/' ':!sim/com_server/' ':!tests/win32/' ':!drive/')
includes -i "(.*/)?($windows_headers)" "${outside[@]}" |
  offend "Windows headers outside win32/, sim/com_server/, drive/ and tests/win32/" || status=1

mapfile -t millsheet < <(sources millsheet/)
includes "" 'planwright/.*' "${millsheet[@]}" | offend "millsheet/ includes planwright/" || status=1
mapfile -t planwright < <(sources planwright/)
includes "" 'millsheet/.*' "${planwright[@]}" | offend "planwright/ includes millsheet/" || status=1

mapfile -t portable < <(sources common/ planwright/ millsheet/ orderloom/)
includes "" '(headless|sim)/.*' "${portable[@]}" |
  offend "common/ or a program includes headless/ or sim/" || status=1

mapfile -t simulator < <(sources sim/)
includes "" '(scenario|drive)/.*' "${simulator[@]}" | offend "sim/ includes scenario/ or drive/" || status=1

exit "$status"
