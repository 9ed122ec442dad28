#!/usr/bin/env bash
# Sets the machine up, builds the native and the Windows trees and runs every test (Windows ones under Wine):
# the native tests also under the address and undefined-behaviour sanitizers (fewer large scenes), the fuzz
# target's replay of its seed corpus, and the 32-bit product's file check, which needs no Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
. tools/postroj.sh
for preset in native native-asan native-fuzz windows; do
  cmake --preset $preset
  cmake --build --preset $preset -j"$(nproc)"
  [ $preset = windows ] || ctest --preset $preset
done
if [ "$ZV_WIN_PRESET" = windows64 ]; then
  echo "No 32-bit Wine here (the kernel runs no 32-bit programs, or wine32 could not be installed): the Windows tests run the 64-bit build under 64-bit Wine."
  ctest --preset windows -R '^win_(scan_)?program$'
  cmake --preset windows64
  cmake --build --preset windows64 -j"$(nproc)"
fi
tools/wine_testy.sh ctest --preset "$ZV_WIN_PRESET"
