#!/usr/bin/env bash
# bench/run.sh [BUILD_DIR]
# Builds the program and the benchmark programs (default build folder: build/) and runs every
# benchmark under Wine in a private environment with a Wine prefix of its own, so the program
# starts on a fresh data folder. Prints one line per figure, with its floor and their ratio.
# NUDGELY_BENCH_IDLE_SECONDS (default 60) and NUDGELY_BENCH_FIRINGS (default 20) shorten or
# lengthen the two long measurements.
set -euo pipefail

root=$(realpath "$(dirname "$(realpath "$0")")/..")
build_dir=$(realpath -m "${1:-$root/build}")
idle_seconds=${NUDGELY_BENCH_IDLE_SECONDS:-60}
firings=${NUDGELY_BENCH_FIRINGS:-20}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target benchmarks >/dev/null

# The environment's folder holds its own Wine prefix; Wine's desktop is kept up between programs.
env_dir="$build_dir/bench-env"
mkdir -p "$env_dir/tests/support"
if [[ -f "$build_dir/tests/support/wine_keepalive.exe" ]]; then
  ln -sf "$build_dir/tests/support/wine_keepalive.exe" "$env_dir/tests/support/wine_keepalive.exe"
fi

export NUDGELY_BENCH_BUILD_DIR="$build_dir" NUDGELY_BENCH_IDLE_SECONDS="$idle_seconds" NUDGELY_BENCH_FIRINGS="$firings"
"$root/scripts/with-test-env.sh" "$env_dir" bash -c '
  set -euo pipefail
  bench="$NUDGELY_BENCH_BUILD_DIR/bench"
  wine "$bench/bench_store_changes.exe" </dev/null
  wine "$bench/bench_due_check.exe" </dev/null
  wine "$bench/bench_program.exe" "$(winepath -w "$NUDGELY_BENCH_BUILD_DIR/nudgely.exe")" \
    "$(winepath -w "$bench/bench_minimal_window.exe")" "$NUDGELY_BENCH_IDLE_SECONDS" "$NUDGELY_BENCH_FIRINGS" </dev/null
' 2> >(grep -v -e "wine32 is missing" -e "multiarch" -e "dpkg --add-architecture" -e "apt-get install wine32" >&2)
