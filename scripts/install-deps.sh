#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when any is missing.
set -euo pipefail

packages=(
  cmake make g++ clang-14 libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools googletest
  wine wine64 fonts-wine
  # Japanese and Chinese glyphs for the interface in those languages; Wine finds them itself.
  fonts-wqy-microhei fonts-ipafont-gothic
  xvfb xauth xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils sox espeak-ng
  fp-utils-3.2.2 libchm-bin
  nsis unzip
  # Two sync folders on one machine for the tests of PCs kept in step.
  syncthing
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [[ $(id -u) -ne 0 ]]; then
    echo "Run as root to install the missing packages." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
