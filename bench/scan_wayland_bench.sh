#!/usr/bin/env bash
# Times zentrivo-scan --screen on a 1920 x 1080 headless sway showing the benchmark's text page, whole
# processes with hyperfine: 1. screencopy against `grim -t ppm -`, which only copies the same output;
# 2. where xdg-desktop-portal, its wlr backend and pipewire are installed, the desktop portal's way.
# After the native build:   bench/scan_wayland_bench.sh [RUNS]
set -euo pipefail
BEHOV=${1:-30}
. "$(dirname "$0")/../tools/postroj.sh"
SCAN=$ZV_KOREN/build/native/scan/zentrivo-scan SCENA=$ZV_KOREN/build/native/bench/zentrivo_scena_png
for p in "$SCAN" "$SCENA"; do [ -x "$p" ] || { echo "no $p: build the native tree first" >&2; exit 2; }; done
for p in hyperfine sway grim; do command -v "$p" >/dev/null || { echo "needs $p" >&2; exit 2; }; done
ZV_LOGY=$ZV_KOREN/build/native/bench-wayland
mkdir -p "$ZV_LOGY"
unset DISPLAY
"$SCENA" text 1920 1080 "$ZV_LOGY/text.png" >/dev/null
zv_sway "$ZV_LOGY/text.png"
"$SCAN" --time --screen >/dev/null

echo "== 1. screencopy, 1920 x 1080"
hyperfine -N --warmup 5 --runs "$BEHOV" --export-markdown "$ZV_LOGY/screencopy.md" "$SCAN --screen" "grim -t ppm -"

[ -x /usr/libexec/xdg-desktop-portal-wlr ] && command -v pipewire >/dev/null || exit 0
echo "== 2. the desktop portal, 1920 x 1080"
zv_zbernica && zv_portal_wlr && zv_portal_povol yes
"$SCAN" --time --screen=portal >/dev/null
hyperfine -N --warmup 3 --runs "$BEHOV" --export-markdown "$ZV_LOGY/portal.md" "$SCAN --screen=portal"
