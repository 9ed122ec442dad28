#!/usr/bin/env bash
# Sets the machine up, builds the native and the Windows trees and runs every test (Windows ones under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

cmake --preset native
cmake --build --preset native -j"$(nproc)"
ctest --preset native

cmake --preset windows
cmake --build --preset windows -j"$(nproc)"
tools/wine_testy.sh ctest --preset windows
