#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian machine; installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
aktualne=no

instaluj() {  # the packages of "$@" that are not installed yet
  local need=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
  done
  [ ${#need[@]} -eq 0 ] && return 0
  if printf '%s\n' "${need[@]}" | grep -q '^wine32$'; then
    dpkg --print-foreign-architectures | grep -q i386 || $SUDO dpkg --add-architecture i386
  fi
  if [ "$aktualne" = no ]; then
    $SUDO apt-get update -qq
    aktualne=yes
  fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
}

instaluj g++ cmake libgtest-dev libgmock-dev libbenchmark-dev libstb-dev libx11-dev libxext-dev \
         g++-mingw-w64-i686 wine wine32 xvfb xdotool imagemagick jq
# The fuzz target: clang and its libFuzzer and sanitizer runtimes.
instaluj clang libclang-rt-14-dev

# A kernel that runs no 32-bit programs runs the Windows tests on the 64-bit build under 64-bit Wine.
. tools/postroj.sh
if [ "$ZV_WIN_PRESET" = windows64 ]; then
  instaluj g++-mingw-w64-x86-64-posix wine64
fi
