#!/usr/bin/env bash
# Sets the machine up, builds the native tree and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

cmake --preset native
cmake --build --preset native -j"$(nproc)"
ctest --preset native
