#!/usr/bin/env bash
# zentrivo-scan --screen against a stand-in compositor (tests/kompozitor_nahrada.cpp) whose screencopy
# frames come in one pixel format: XRGB, ARGB, XBGR and ABGR 8888, rows stored top first and bottom
# first, each give what the scan of the picture gives; a format not read here (RGB565): exit 2, one line.
# Usage: scan_wayland_formaty.sh ZENTRIVO_SCAN STAND_IN_COMPOSITOR PICTURE DIRECTORY
. "$(dirname "$0")/../tools/postroj.sh"
scan=$1 kompozitor=$2 obraz=$3 ZV_LOGY=$4
rm -rf "$ZV_LOGY" && mkdir -p "$ZV_LOGY" && cd "$ZV_LOGY" || exit 1
unset DISPLAY

convert "$obraz" -depth 8 obraz.ppm
"$scan" --rects obraz.ppm >ocakavane
nutne "the picture has objects" test -s ocakavane
for format in xrgb argb xbgr abgr; do
  for poradie in top inverted; do
    zv_kompozitor "$kompozitor" obraz.ppm $format $poradie || exit 1
    check "$format, $poradie" eval '"$scan" --rects --screen=wayland | diff ocakavane -'
  done
done
zv_kompozitor "$kompozitor" obraz.ppm rgb565 || exit 1
check "rgb565: exit 2, one line" \
  eval '! "$scan" --screen=wayland 2>err && [ "$(wc -l <err)" = 1 ] && grep -q "no pixel format" err' || cat err
vysledok
