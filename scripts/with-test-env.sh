#!/usr/bin/env bash
# with-test-env.sh BUILD_DIR COMMAND...
# Runs COMMAND inside a private test environment: an X server on a display of its own, a Wine
# prefix under BUILD_DIR with a primed persistent wineserver, and a PulseAudio daemon on a
# private socket whose null sink serves as both speaker and microphone. Everything started here
# is stopped again when the command ends, also when it fails or is interrupted.
set -euo pipefail

build_dir=$(realpath "$1")
shift
here=$(dirname "$(realpath "$0")")
source "$here/lib/wine-prefix.sh"

export WINEPREFIX="$build_dir/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

started_pids=()
pulse_dir=""

stop_all() {
  set +e
  WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1
  if [[ -n "$pulse_dir" ]]; then
    XDG_RUNTIME_DIR="$pulse_dir" pulseaudio --kill >/dev/null 2>&1
  fi
  for pid in "${started_pids[@]}"; do
    kill "$pid" >/dev/null 2>&1
  done
  wait >/dev/null 2>&1
  [[ -n "$pulse_dir" ]] && rm -rf "$pulse_dir"
}
trap stop_all EXIT
trap 'exit 130' INT TERM

start_x_server() {
  # Xvfb picks a free display itself and names it, so parallel runs never share one.
  local display_file
  display_file=$(mktemp /tmp/nudgely-display.XXXXXX)
  Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -ac 9>"$display_file" >/dev/null 2>&1 &
  started_pids+=($!)
  for _ in $(seq 200); do
    [[ -s "$display_file" ]] && break
    sleep 0.05
  done
  local display
  display=$(tr -d '[:space:]' <"$display_file")
  rm -f "$display_file"
  if [[ -z "$display" ]]; then
    echo "X server did not start" >&2
    return 1
  fi
  export DISPLAY=":$display"
}

start_sound_server() {
  pulse_dir=$(mktemp -d /tmp/nudgely-pulse.XXXXXX)
  export XDG_RUNTIME_DIR="$pulse_dir"
  export PULSE_SERVER="unix:$pulse_dir/pulse/native"
  HOME="$pulse_dir" pulseaudio -n --daemonize=yes --exit-idle-time=-1 --log-target=stderr \
    -L "module-native-protocol-unix auth-anonymous=1" \
    -L "module-null-sink sink_name=nul" -L module-always-sink 2>/dev/null
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.05
  done
  pactl set-default-sink nul
  pactl set-default-source nul.monitor
  # An idle null sink renders in two-second blocks; a steady low-latency reader keeps it ticking
  # so that a new recording gets its first data at once.
  parec -d nul.monitor --latency-msec=20 >/dev/null 2>&1 &
  started_pids+=($!)
  export NUDGELY_PULSE_DIR="$pulse_dir"
}

start_wine() {
  prepare_wine_prefix
  wineserver -p
  # The first program starts Wine's background services; detached, they do not hold CTest's pipes.
  wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
  local keepalive="$build_dir/tests/support/wine_keepalive.exe"
  if [[ -f "$keepalive" ]]; then
    wine "$keepalive" </dev/null >/dev/null 2>&1 &
    started_pids+=($!)
  fi
}

start_x_server
start_sound_server
start_wine
sleep 2.2
"$@"
