#!/usr/bin/env bash
# With two Syncthing instances on this machine: a data file written on one side reaches the
# other, and changed on both sides while they are apart, it gives a conflict copy named as the
# store expects, on both sides. Prints the times it took.
set -uo pipefail
source "$(dirname "$(realpath "$0")")/support/syncthing-pair.sh"

work=$(mktemp -d)
trap 'syncthing_pair_stop; [[ -n "${KEEP_WORK:-}" ]] || rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; sed -n '$p' "$work"/a.log "$work"/b.log >&2; exit 1; }
now() { date +%s.%N; }
seconds_since() { awk -v start="$1" -v end="$(now)" 'BEGIN { printf "%.1f", end - start }'; }
holds() { [[ -f "$1" ]] && cmp -s "$1" <(printf '%s' "$2"); }
conflict_copy() { ls "$1" | grep -E '^notifications\.sync-conflict-[0-9]{8}-[0-9]{6}-[A-Z0-9]{7}$'; }

start=$(now)
syncthing_pair_start "$work" || fail "the two instances did not connect"
echo "connected in $(seconds_since "$start") s"
syncthing_pair_check_listeners || fail "an instance listens beyond 127.0.0.1"

a=$work/a/folder b=$work/b/folder
first=$'2026.12.08 10:00:00||Call Anna\r\n'
start=$(now)
printf '%s' "$first" >"$a/notifications"
syncthing_pair_wait_for 20 holds "$b/notifications" "$first" || fail "the file did not reach the other side"
echo "a new file reached the other side in $(seconds_since "$start") s"

syncthing_pair_pause || fail "the connection was not cut"
laptop=$first$'2026.12.20 08:00:00||Added on the laptop\r\n'
desktop=$'2026.12.21 08:00:00||Added on the desktop\r\n'
printf '%s' "$laptop" >"$a/notifications"
syncthing_pair_rescan a || fail "side a did not scan"
sleep 1.1
printf '%s' "$desktop" >"$b/notifications"
syncthing_pair_rescan b || fail "side b did not scan"
start=$(now)
syncthing_pair_resume || fail "the connection did not come back"
copies_on_both() { [[ -n "$(conflict_copy "$a")" && "$(conflict_copy "$a")" == "$(conflict_copy "$b")" ]]; }
syncthing_pair_wait_for 30 copies_on_both || fail "no conflict copy on both sides: $(ls -A "$a") / $(ls -A "$b")"
echo "the conflict copy stood on both sides $(seconds_since "$start") s after reconnecting"
copy=$(conflict_copy "$a")
# The older change lost: the laptop's text is in the copy; the seven letters are one device's.
holds "$a/$copy" "$laptop" && holds "$b/$copy" "$laptop" || fail "the copy does not hold the older change"
syncthing_pair_wait_for 10 holds "$a/notifications" "$desktop" || fail "the newer change did not win on side a"
holds "$b/notifications" "$desktop" || fail "the newer change did not stay on side b"
letters=${copy: -7} named=""
for side in a b; do
  [[ ${syncthing_pair_id[$side]:0:7} == "$letters" ]] && named=$side
done
[[ -n "$named" ]] || fail "$copy names neither device"
echo "copy $copy, named after device $named"
syncthing_pair_check_listeners || fail "an instance listens beyond 127.0.0.1"
echo PASS
