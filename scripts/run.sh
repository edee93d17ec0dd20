#!/usr/bin/env bash
# Builds Nudgely and starts it under Wine. On a machine without a display it starts an X server
# of its own and says so; stop the program with Ctrl+C or "nudgely.exe /close".
set -euo pipefail

root=$(realpath "$(dirname "$(realpath "$0")")/..")
source "$root/scripts/lib/wine-prefix.sh"

"$root/scripts/install-deps.sh"

build_dir="$root/build"
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target nudgely

# The program's own prefix: the tests' prefix is wiped by the tests.
export WINEPREFIX="$build_dir/run-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"

if [[ -z "${DISPLAY:-}" ]] || ! xdpyinfo >/dev/null 2>&1; then
  display_file=$(mktemp)
  Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp 9>"$display_file" >/dev/null 2>&1 &
  x_server=$!
  trap 'kill $x_server 2>/dev/null; rm -f "$display_file"' EXIT
  for _ in $(seq 200); do
    [[ -s "$display_file" ]] && break
    sleep 0.05
  done
  export DISPLAY=":$(tr -d '[:space:]' <"$display_file")"
  echo "No display found: Nudgely runs on the virtual display $DISPLAY (screenshot: import -display $DISPLAY -window root shot.png)."
fi

prepare_wine_prefix
echo "Starting Nudgely; its icon is in the notification area (Wine's system tray window without a desktop tray)."
wine "$build_dir/nudgely.exe" "$@"
