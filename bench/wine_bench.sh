#!/usr/bin/env bash
# Runs the Windows desktop benchmark under Wine on a 1920 x 1080 virtual display that shows the test
# desktop picture tiled over it (tools/postroj.sh). Needs a Windows build with its tests (the presets
# build the benchmark too), for example:
#   cmake --build --preset windows -j2 && bench/wine_bench.sh build/windows [RUNS] [BAND]
# (build/windows64 where the kernel runs no 32-bit programs).
set -euo pipefail
ZENTRIVO_WIN_BUILD=$(realpath "${1:?usage: bench/wine_bench.sh WINDOWS_BUILD_DIR [RUNS] [BAND]}")
. "$(dirname "$0")/../tools/postroj.sh"
PROGRAM=$ZV_STROM/bench/zentrivo_bench_plocha.exe
[ -f "$PROGRAM" ] || { echo "no $PROGRAM: build the tree with ZENTRIVO_BENCH on (the default)" >&2; exit 2; }
ZV_LOGY=$ZV_STROM/bench-logy
zv_displej 1920 1080
zv_prefix "$ZV_LOGY/prefix"
zv_plocha "$ZV_KOREN/tests/data/win_plocha.png"
sleep 2 # let the desktop settle before timing
wine "$PROGRAM" "${2:-20}" "${3:-4}"
