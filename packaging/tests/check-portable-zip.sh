#!/usr/bin/env bash
# check-portable-zip.sh ZIP BUILD_DIR TEST_FILES
# The portable zip holds exactly the program, its help files as built and the file "portable",
# flat; the program unpacked from it runs its self test, and its "/add" and "/quiet" keep their
# files in the unpacked folder, leaving %APPDATA% as it was. Runs inside the test environment
# (wine on the path, WINEPREFIX set).
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
built=$( (cd "$build_dir" && ls Help*.chm nudgely.exe; echo portable) | LC_ALL=C sort | tr '\n' ' ')
[[ "$listed" == "$built" ]] || fail "the zip holds: $listed; the build made: $built"
[[ "$listed" == *"Help.chm "* ]] || fail "the zip holds no English help: $listed"

unzip -q "$zip" -d "$scratch/unpacked"
for file in $listed; do
  [[ $file == portable ]] || cmp "$scratch/unpacked/$file" "$build_dir/$file" || fail "$file differs from the build's"
done
cmp "$scratch/unpacked/portable" "$(dirname "$0")/../portable" || fail "portable differs from packaging/portable"

# Everything under the user's application-data folders, with its times.
list_app_data() {
  find "$WINEPREFIX"/drive_c/users/*/AppData -printf '%p %s %T@\n' 2>/dev/null | LC_ALL=C sort
}
app_data_before=$(list_app_data)
(cd "$scratch/unpacked" && wine ./nudgely.exe /add 01:00:00 Tea </dev/null >/dev/null 2>&1) || fail "/add failed"
(cd "$scratch/unpacked" && wine ./nudgely.exe /quiet off </dev/null >/dev/null 2>&1) || fail "/quiet failed"
grep -q '||Tea' "$scratch/unpacked/notifications" || fail "the portable /add stored nothing beside the program"
grep -q 'HoldDuringFullScreen' "$scratch/unpacked/settings" || fail "the portable /quiet wrote no settings beside the program"
[[ "$(list_app_data)" == "$app_data_before" ]] || fail "the portable copy changed %APPDATA%"
rm "$scratch/unpacked/notifications" "$scratch/unpacked/settings" "$scratch/unpacked/hotkeys"

cp -r "$test_files" "$scratch/unpacked/TestFiles"
cd "$scratch/unpacked"
status=0
output=$(wine ./nudgely.exe /selftest </dev/null 2>/dev/null) || status=$?
[[ $status -eq 0 ]] || fail "the self test exited with $status: $output"
[[ "$(head -n 1 <<<"$output" | tr -d '\r')" == "OK" ]] || fail "the self test printed: $output"
echo "The zip holds nudgely.exe, the help files and portable ($listed); its program keeps its files beside it and passes the self test."
