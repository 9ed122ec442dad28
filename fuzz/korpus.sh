#!/usr/bin/env bash
# Makes the fuzz target's seed corpus in fuzz/korpus/ with ImageMagick: one small picture of grey
# shapes in each format and variant the scan command reads, after the seven settings bytes (band 4,
# minimum 3, fill 50 %, nothing left out). The files are committed; run this only to renew them.
# The nalez_* files beside them are campaign findings kept as they were found: a JPEG Huffman
# table of more than 256 codes, a 16-bit PGM, and a JPEG whose DC sums overflow int. skrateny.jpg is
# the progressive one, its first scan's coded data cut to a third and its end marker put back.
set -euo pipefail
cd "$(dirname "$0")/korpus"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
convert -size 40x30 'xc:rgb(0,90,160)' -fill 'rgb(128,128,128)' -draw 'rectangle 3,3,17,14' \
        -fill 'rgb(140,140,140)' -draw 'circle 28,18 28,25' -fill 'rgb(150,150,150)' -draw 'point 0,0' "$tmp/zaklad.png"
zapis() {  # zapis NAME CONVERT-ARGS... OUTPUT-FORMAT
  local meno=$1 format=${*: -1}
  convert "$tmp/zaklad.png" "${@:2:$#-2}" "$format:$tmp/$meno"
  { printf '\x04\x03\x32\x00\x00\xff\xff'; cat "$tmp/$meno"; } > "$meno"
}
zapis rgb.png PNG24
zapis paleta.png -type Palette PNG8
zapis seda.png -colorspace Gray PNG
zapis prekladany.png -interlace PNG PNG24
zapis rgba.png -alpha on -channel A -evaluate set 50% PNG32
zapis rgb.bmp BMP3
zapis paleta8.bmp -type Palette BMP3
zapis paleta4.bmp -colors 8 -type Palette BMP3
zapis rgba.bmp -alpha on BMP
zapis rgb.ppm -depth 8 PPM
zapis seda.pgm -colorspace Gray -depth 8 PGM
zapis hlboky.ppm -depth 16 PPM
zapis rgb.tga TGA
zapis behy.tga -compress RLE TGA
zapis paleta.tga -type Palette TGA
zapis zakladny.jpg -quality 90 JPG
zapis progresivny.jpg -interlace Plane -quality 90 JPG
zapis seda.jpg -colorspace Gray JPG
python3 - <<'KONIEC'
d = open('progresivny.jpg', 'rb').read()
sken = d.index(b'\xff\xda') + 2
data = koniec = sken + (d[sken] << 8 | d[sken + 1])
while d[koniec] != 0xFF or d[koniec + 1] == 0:
    koniec += 1
open('skrateny.jpg', 'wb').write(d[:data + (koniec - data) // 3] + b'\xff\xd9')
KONIEC
