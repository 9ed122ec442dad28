#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian machine, only what is missing: clang and its
# runtimes for the fuzz target, and the Wine the Windows tests run under. Where the kernel runs 32-bit
# programs that is 32-bit Wine (wine32, an i386 package); when the i386 packages cannot be had, or the
# kernel runs no 32-bit programs, the 64-bit MinGW and Wine instead, and tools/postroj.sh then takes the
# 64-bit build.
set -euo pipefail
. "$(dirname "$0")/postroj.sh"
spolocne=(g++ cmake libgtest-dev libgmock-dev libbenchmark-dev libstb-dev libx11-dev libxext-dev libxdamage-dev libxrandr-dev
  x11-xserver-utils g++-mingw-w64-i686 wine xvfb xdotool imagemagick jq clang libclang-rt-14-dev libwayland-dev sway swaybg
  grim libsystemd-dev dbus-daemon xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk pipewire)
sada32=("${spolocne[@]}" wine32)
sada64=("${spolocne[@]}" g++-mingw-w64-x86-64-posix wine64)
chybaju() { for p in "$@"; do zv_nainstalovany "$p" || echo "$p"; done; }
# The path the harness takes now is complete: nothing to do.
if [ "$ZV_WIN_PRESET" = windows ]; then
  [ -z "$(chybaju "${sada32[@]}")" ] && exit 0
else
  [ -z "$(chybaju "${sada64[@]}")" ] && exit 0
fi
SUDO=$([ "$(id -u)" = 0 ] || echo sudo)
instaluj() {
  # shellcheck disable=SC2046
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $(chybaju "$@")
}
zv_jadro32 && { dpkg --print-foreign-architectures | grep -q i386 || $SUDO dpkg --add-architecture i386; }
# An index that failed to download (an i386 one out of step with the amd64 ones) leaves the others usable;
# a package that truly cannot be had still stops the install below, with apt's message.
$SUDO apt-get update -qq || echo "apt-get update reported failed indexes; going on with those it could read" >&2
if zv_jadro32; then
  instaluj "${sada32[@]}" && exit 0
  echo "The 32-bit Wine (i386 packages) cannot be installed here: installing the 64-bit set, the tests take the 64-bit build." >&2
fi
instaluj "${sada64[@]}"
