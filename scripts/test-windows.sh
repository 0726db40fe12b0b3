#!/usr/bin/env bash
# Runs the Windows backends' tests under Wine, against the Windows build of scripts/build-windows.sh:
# the backends' own suite, then every scenario transcript and demo played over COM against the
# simulated CATIA in its own process (qvl-scenario.exe --com), which must read exactly as headless.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
build=build-windows
status=0
if [ -f "$build/tests/win32/win32_tests.exe" ]; then
  bash scripts/wine-run.sh "$build/tests/win32/win32_tests.exe" --gtest_brief=1 || status=1
fi

runner="$root/$build/scenario/qvl-scenario.exe"
[ -f "$runner" ] && [ -n "$(find "$build" -name simcatia.exe -print -quit)" ] || exit "$status"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failed=()
started=$SECONDS

# play NAME.scn in its folder over COM; output in $scratch/out and $scratch/err, exit code in $code.
play() {
  local folder="$1" script="$2"
  shift 2
  code=0
  (cd "$folder" && bash "$root/scripts/wine-run.sh" "$runner" "$@" "$script") >"$scratch/out" 2>"$scratch/err" || code=$?
}

count=0
for script in tests/scenario/transcripts/*.scn; do
  name="$(basename "$script" .scn)"
  folder="$(dirname "$script")"
  play "$folder" "$name.scn" --com
  count=$((count + 1))
  if [ -f "$folder/$name.error" ]; then
    if [ "$code" -ne 2 ] || ! cmp -s "$scratch/err" "$folder/$name.error"; then
      failed+=("$name (over COM: exit $code, $(head -c 300 "$scratch/err"))")
    fi
  elif [ "$code" -ne 0 ]; then
    failed+=("$name (over COM: exit $code, $(head -c 300 "$scratch/err"))")
  fi
  if [ -f "$folder/$name.expected" ] && ! cmp -s "$scratch/out" "$folder/$name.expected"; then
    cp "$scratch/out" "$folder/$name.com-actual"
    failed+=("$name (over COM the transcript differs; see $folder/$name.com-actual)")
  fi
done

# The demos have no stored transcript: over COM they must read as the same program headless.
for script in samples/demo/*.scn; do
  name="$(basename "$script" .scn)"
  folder="$(dirname "$script")"
  play "$folder" "$name.scn"
  cp "$scratch/out" "$scratch/headless"
  headless_code=$code
  play "$folder" "$name.scn" --com
  count=$((count + 1))
  if [ "$code" -ne "$headless_code" ] || ! cmp -s "$scratch/out" "$scratch/headless"; then
    failed+=("demo $name (over COM: exit $code; differs from headless)")
  fi
done

for failure in "${failed[@]}"; do echo "  FAILED: $failure"; done
echo "scenarios over COM played in $((SECONDS - started)) s"
echo "COM: $((count - ${#failed[@]})) passed, ${#failed[@]} failed"
((${#failed[@]} == 0)) || status=1
exit "$status"
