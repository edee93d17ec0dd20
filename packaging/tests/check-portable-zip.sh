#!/usr/bin/env bash
# check-portable-zip.sh ZIP BUILD_DIR TEST_FILES
# The portable zip holds exactly the program and its help files as built, flat, and the program
# unpacked from it runs its self test. Runs inside the test environment (wine on the path).
set -euo pipefail

zip=$1
build_dir=$2
test_files=$3

scratch=$(mktemp -d /tmp/nudgely-zip.XXXXXX)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

listed=$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')
built=$(cd "$build_dir" && ls Help*.chm nudgely.exe | LC_ALL=C sort | tr '\n' ' ')
[[ "$listed" == "$built" ]] || fail "the zip holds: $listed; the build made: $built"
[[ "$listed" == *"Help.chm "* ]] || fail "the zip holds no English help: $listed"

unzip -q "$zip" -d "$scratch/unpacked"
for file in $listed; do
  cmp "$scratch/unpacked/$file" "$build_dir/$file" || fail "$file differs from the build's"
done

cp -r "$test_files" "$scratch/unpacked/TestFiles"
cd "$scratch/unpacked"
status=0
output=$(wine ./nudgely.exe /selftest </dev/null 2>/dev/null) || status=$?
[[ $status -eq 0 ]] || fail "the self test exited with $status: $output"
[[ "$(head -n 1 <<<"$output" | tr -d '\r')" == "OK" ]] || fail "the self test printed: $output"
echo "The zip holds nudgely.exe and the help files ($listed), and its program passes the self test."
