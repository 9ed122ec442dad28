#!/usr/bin/env bash
# Sets the machine up, builds the native and the Windows trees and runs every test (Windows ones under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
. tools/postroj.sh

cmake --preset native
cmake --build --preset native -j"$(nproc)"
ctest --preset native

# The native tests again under the address and undefined-behaviour sanitizers (fewer large scenes),
# and the fuzz target's replay of its seed corpus.
cmake --preset native-asan
cmake --build --preset native-asan -j"$(nproc)"
ctest --preset native-asan
cmake --preset native-fuzz
cmake --build --preset native-fuzz -j"$(nproc)"
ctest --preset native-fuzz

# The product: the 32-bit build, and the check of the program file, which needs no Wine.
cmake --preset windows
cmake --build --preset windows -j"$(nproc)"
if [ "$ZV_WIN_PRESET" = windows ]; then
  tools/wine_testy.sh ctest --preset windows
else
  echo "This kernel runs no 32-bit programs: the Windows tests run the 64-bit build under 64-bit Wine."
  ctest --preset windows -R '^win_(scan_)?program$'
  cmake --preset windows64
  cmake --build --preset windows64 -j"$(nproc)"
  tools/wine_testy.sh ctest --preset windows64
fi
