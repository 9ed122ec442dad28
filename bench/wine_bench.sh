#!/usr/bin/env bash
# Runs the Windows desktop benchmark under Wine on a 1920 x 1080 virtual display that shows the tests'
# desktop picture. Needs a Windows build with its tests, for example (build/windows64 where the kernel
# runs no 32-bit programs):   cmake --build --preset windows -j2 && bench/wine_bench.sh build/windows [RUNS] [BAND]
set -euo pipefail
ZENTRIVO_WIN_BUILD=$(realpath "${1:?usage: bench/wine_bench.sh WINDOWS_BUILD_DIR [RUNS] [BAND]}")
. "$(dirname "$0")/../tools/postroj.sh"
ZV_LOGY=$ZV_STROM/bench-logy
zv_postroj 1920 1080 "$ZV_KOREN/tests/data/win_plocha.png"
sleep 2 # let the desktop settle before timing
wine "$ZV_STROM/bench/zentrivo_bench_plocha.exe" "${2:-20}" "${3:-4}"
