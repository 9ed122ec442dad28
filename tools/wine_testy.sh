#!/usr/bin/env bash
# Runs a command, the Windows tests, on a 1280 x 1024 Xvfb display showing tests/data/win_plocha.png,
# with a fresh Wine prefix whose one server lasts the run (tools/postroj.sh). Usage:
#   tools/wine_testy.sh ctest --preset windows    (windows64 where the kernel runs no 32-bit programs)
#   ZENTRIVO_WIN_BUILD=build/me-win tools/wine_testy.sh ctest --test-dir build/me-win
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/postroj.sh
ZV_LOGY=$ZV_STROM/wine-testy
zv_postroj 1280 1024 tests/data/win_plocha.png
# In the background, so that a signal reaches the cleanup at once rather than after the command.
"$@" &
ZV_PIDY="$ZV_PIDY $!"
wait $!
