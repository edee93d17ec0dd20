#!/usr/bin/env bash
# Builds everything and runs every test: the native sanitizer build of the pure text forms,
# then the Windows program and its tests under Wine in a private test environment.
set -euo pipefail

root=$(dirname "$(realpath "$0")")/..
root=$(realpath "$root")
jobs=$(nproc)

"$root/scripts/install-deps.sh"

native_dir="$root/build-native"
cmake -S "$root" -B "$native_dir" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_C_COMPILER=clang-14 -DNUDGELY_SANITIZE=ON >/dev/null
cmake --build "$native_dir" -j "$jobs"

# The fuzzers, each run briefly on its seeds as one of the tests below.
fuzz_dir="$root/build-fuzz"
cmake -S "$root" -B "$fuzz_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_C_COMPILER=clang-14 -DNUDGELY_FUZZ=ON >/dev/null
cmake --build "$fuzz_dir" -j "$jobs" --target fuzzers

build_dir="$root/build"
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DNUDGELY_NATIVE_BUILD_DIR="$native_dir" -DNUDGELY_FUZZ_BUILD_DIR="$fuzz_dir" >/dev/null
cmake --build "$build_dir" -j "$jobs"

"$root/scripts/with-test-env.sh" "$build_dir" \
  ctest --test-dir "$build_dir" --output-on-failure -j "$jobs" "$@"
