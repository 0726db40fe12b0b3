#!/usr/bin/env bash
# Plays every scenario transcript and demo on the programs' real executables under Wine
# (qvl-drive.exe: the program's windows driven from a second process, CATIA simulated over COM)
# and compares the transcript with the headless one. Events of a kind that the driver names as
# not observable on this machine ("not observable: EVENT: reason" on its standard error) are
# left out of both sides and counted. Last line: "N passed, N failed, N events not observable".
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
build=build-windows
driver="$root/$build/drive/qvl-drive.exe"
runner="$root/$build/scenario/qvl-scenario.exe"
if [ ! -f "$driver" ]; then
  echo "no $driver: build the Windows programs first (scripts/build-windows.sh)" >&2
  exit 2
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=()
passed=0
unobservable=0
started=$SECONDS
keep_root="${QVL_DRIVE_KEEP:-}"

# Plays FOLDER/SCRIPT with PROGRAM under Wine; output in $scratch/out and $scratch/err, exit code
# in $code.
play() {
  local program="$1" folder="$2" script="$3"
  shift 3
  code=0
  (cd "$folder" && bash "$root/scripts/wine-run.sh" "$program" "$script" "$@") >"$scratch/out" 2>"$scratch/err" ||
    code=$?
}

# Compares the driver's transcript ($scratch/out) with EXPECTED, leaving out the event kinds the
# driver named; prints nothing and returns 0 when they agree.
compare() {
  local expected="$1" name="$2" kinds pattern dropped
  kinds="$(sed -n 's/^not observable: \([a-z]*\): .*/\1/p' "$scratch/err" | sort -u | paste -sd'|' -)"
  if [ -n "$kinds" ]; then
    pattern="^\{\"event\":\"($kinds)\""
    dropped="$(grep -cE "$pattern" "$expected" || true)"
    unobservable=$((unobservable + dropped))
    grep -vE "$pattern" "$expected" >"$scratch/expected" || true
    grep -vE "$pattern" "$scratch/out" >"$scratch/actual" || true
  else
    cp "$expected" "$scratch/expected"
    cp "$scratch/out" "$scratch/actual"
  fi
  if grep -q '^not observable: message\.flags&4096: ' "$scratch/err"; then
    # The system-modal flag of those boxes cannot be told: it is left out on both sides.
    dropped="$(perl -ne '$n++ if /^\{"event":"message".*"flags":(\d+)/ && ($1 & 4096); END { print $n + 0 }' \
      "$scratch/expected")"
    unobservable=$((unobservable + dropped))
    perl -i -pe 's/("flags":)(\d+)/$1.($2 & ~4096)/e if /^\{"event":"message"/' "$scratch/expected" "$scratch/actual"
  fi
  if grep -q '^not observable: numbers drawn at random: ' "$scratch/err"; then
    # The numbers the program draws for file names ("..._92", "Bracket_7.CATDrawing") are left
    # out on both sides; a folder's listing is sorted again without them.
    dropped="$(perl -ne '$n++ if /(AllViewsInOne|AllSheetsInOne)_\d+|_\d{1,2}[._]CATDrawing/; END { print $n + 0 }' \
      "$scratch/expected")"
    unobservable=$((unobservable + dropped))
    perl -i -pe '
      s/(AllViewsInOne|AllSheetsInOne)_\d+/$1_#/g;
      s/_\d{1,2}([._]CATDrawing)/_#$1/g;
      if (/^\{"event":"files"/ && /"names":\[(".*?")\]/) {
        my $names = substr($1, 1, -1);
        my $sorted = join(q(","), sort split(/","/, $names));
        s/"names":\[".*?"\]/"names":["$sorted"]/;
      }' "$scratch/expected" "$scratch/actual"
  fi
  if grep -q '^not observable: times in a batch log: ' "$scratch/err"; then
    # An unattended run's log tells the machine's times of day and seconds: masked on both sides.
    dropped="$(perl -ne '$n++ if /^\{"event":"file".*\d\d:\d\d:\d\d/; END { print $n + 0 }' "$scratch/expected")"
    unobservable=$((unobservable + dropped))
    perl -i -pe '
      if (/^\{"event":"file"/) {
        s/\d\d:\d\d:\d\d/##:##:##/g;
        s/(\\t)\d+\.\d\d(\\r\\n)/$1#.##$2/g;
        s/(用时 )\d+\.\d\d/$1#.##/g;
      }' "$scratch/expected" "$scratch/actual"
  fi
  if grep -q '^not observable: the rest: ' "$scratch/err"; then
    # The run ended where a person could not go on: the events from there on are left out.
    local shown total
    shown="$(wc -l <"$scratch/actual")"
    total="$(wc -l <"$scratch/expected")"
    unobservable=$((unobservable + total - shown))
    head -n "$shown" "$scratch/expected" >"$scratch/expected-shown"
    mv "$scratch/expected-shown" "$scratch/expected"
  fi
  if ! cmp -s "$scratch/actual" "$scratch/expected"; then
    cp "$scratch/out" "$root/tests/scenario/transcripts/$name.drive-actual" 2>/dev/null || true
    return 1
  fi
}

drive() {
  local folder="$1" name="$2" expected="$3" error="$4" keep=()
  [ -n "$keep_root" ] && keep=(--keep "$(winepath -w "$keep_root/$name" 2>/dev/null)")
  play "$driver" "$folder" "$name.scn" "${keep[@]}"
  # Wine's own diagnostics ("wine: ...") are no part of the run's answer.
  grep -v -e '^not observable: ' -e '^wine: ' "$scratch/err" >"$scratch/stderr" || true
  if [ -n "$error" ]; then
    if [ "$code" -ne 2 ] || ! cmp -s "$scratch/stderr" "$error"; then
      failed+=("$name (driven: exit $code, $(head -c 300 "$scratch/stderr"))")
      return
    fi
  elif [ "$code" -ne 0 ]; then
    failed+=("$name (driven: exit $code, $(head -c 300 "$scratch/stderr"))")
    return
  fi
  if ! compare "$expected" "$name"; then
    failed+=("$name (driven, the transcript differs: see $name.drive-actual)")
    return
  fi
  passed=$((passed + 1))
}

for script in tests/scenario/transcripts/*.scn; do
  name="$(basename "$script" .scn)"
  folder="$(dirname "$script")"
  error=""
  [ -f "$folder/$name.error" ] && error="$folder/$name.error"
  drive "$folder" "$name" "$folder/$name.expected" "$error"
done

# The demos have no stored transcript: driven, they must read as the same program headless.
for script in samples/demo/*.scn; do
  name="$(basename "$script" .scn)"
  folder="$(dirname "$script")"
  play "$runner" "$folder" "$name.scn"
  cp "$scratch/out" "$scratch/headless-$name"
  drive "$folder" "$name" "$scratch/headless-$name" ""
done

for failure in "${failed[@]}"; do echo "  FAILED: $failure"; done
echo "scenarios driven on the real windows in $((SECONDS - started)) s"
echo "$passed passed, ${#failed[@]} failed, $unobservable events not observable"
((${#failed[@]} == 0))
