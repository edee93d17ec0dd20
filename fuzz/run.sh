#!/usr/bin/env bash
# fuzz/run.sh NAME SECONDS [LIBFUZZER OPTIONS...]
# Builds the fuzzers natively and runs fuzzer NAME (record_line, data_file, data_file_merge, add_duration, repeat_rule,
# hot_key_text, hot_keys_file, add_request) for SECONDS on its seeds and on what earlier runs found. New
# inputs are kept in build-fuzz/fuzz/corpus/NAME; an input that breaks a check or crashes is
# written to build-fuzz/fuzz/findings/. Ends with libFuzzer's execution count.
set -euo pipefail

if (($# < 2)); then
  echo "usage: $0 NAME SECONDS [libFuzzer options...]" >&2
  exit 2
fi
name=$1
seconds=$2
shift 2

root=$(realpath "$(dirname "$(realpath "$0")")/..")
build_dir="$root/build-fuzz"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_C_COMPILER=clang-14 -DNUDGELY_FUZZ=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target "fuzz_$name" >/dev/null

fuzzer="$build_dir/fuzz/fuzz_$name"
found_dir="$build_dir/fuzz/corpus/$name"
findings_dir="$build_dir/fuzz/findings"
mkdir -p "$found_dir" "$findings_dir"
options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
  -artifact_prefix="$findings_dir/$name-")
if [[ -f "$root/fuzz/dict/$name.dict" ]]; then
  options+=(-dict="$root/fuzz/dict/$name.dict")
fi

log="$build_dir/fuzz/$name.log"
start=$(date +%s)
status=0
"$fuzzer" "${options[@]}" "$@" "$found_dir" "$root/fuzz/corpus/$name" >"$log" 2>&1 || status=$?
elapsed=$(($(date +%s) - start))
executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
if ((status == 0)); then
  echo "$name: ${executions:-?} executions in ${elapsed} s, no finding (log: $log)"
else
  grep -E 'check failed|ERROR|runtime error|Test unit written' "$log" | head -20 >&2 || true
  echo "$name: FINDING after ${executions:-?} executions in ${elapsed} s (log: $log)" >&2
fi
exit "$status"
