#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian machine, only what is missing: clang and its
# runtimes for the fuzz target, and where the kernel runs no 32-bit programs (tools/postroj.sh) the 64-bit
# MinGW and Wine that the Windows tests use there.
set -euo pipefail
. "$(dirname "$0")/postroj.sh"
balicky=(g++ cmake libgtest-dev libgmock-dev libbenchmark-dev libstb-dev libx11-dev libxext-dev g++-mingw-w64-i686
  wine wine32 xvfb xdotool imagemagick jq clang libclang-rt-14-dev)
[ "$ZV_WIN_PRESET" = windows ] || balicky+=(g++-mingw-w64-x86-64-posix wine64)
chybaju=()
for p in "${balicky[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || chybaju+=("$p")
done
[ ${#chybaju[@]} -gt 0 ] || exit 0
SUDO=$([ "$(id -u)" = 0 ] || echo sudo)
# wine32 is an i386 package.
dpkg --print-foreign-architectures | grep -q i386 || $SUDO dpkg --add-architecture i386
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${chybaju[@]}"
