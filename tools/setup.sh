#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian machine; installs only what is missing.
set -euo pipefail

need=()
for p in g++ cmake libgtest-dev libgmock-dev libbenchmark-dev libstb-dev \
         g++-mingw-w64-i686 wine wine32 xvfb xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
[ ${#need[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
if printf '%s\n' "${need[@]}" | grep -q '^wine32$'; then
  dpkg --print-foreign-architectures | grep -q i386 || $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
