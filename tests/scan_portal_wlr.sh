#!/usr/bin/env bash
# zentrivo-scan --screen=portal against the real desktop portal (xdg-desktop-portal with its wlr and gtk
# backends) on a headless sway and a private session bus: with the permission granted it finds what
# the scan of grim's capture finds and leaves the portal's picture behind nowhere. (This portal, 1.16,
# takes a host program's non-interactive call whatever the permission says: a refusal is tested with
# the stand-in, scan_portal.sh.) Usage: scan_portal_wlr.sh ZENTRIVO_SCAN PICTURE DIRECTORY
. "$(dirname "$0")/../tools/postroj.sh"
scan=$1 obraz=$2 ZV_LOGY=$3
rm -rf "$ZV_LOGY" && mkdir -p "$ZV_LOGY" && cd "$ZV_LOGY" || exit 1
unset DISPLAY

zv_sway "$obraz" && zv_zbernica && zv_portal_wlr && zv_portal_povol yes || exit 1
grim -o HEADLESS-1 zachyt.png
"$scan" --rects zachyt.png >zo_snimky
# The wlr backend writes its picture to /tmp/out.png.
rm -f /tmp/out.png
"$scan" --rects --time --screen=portal >z_portalu 2>cas
check "grim's capture: objects found" test -s zo_snimky
check "the portal's picture: the same objects" diff zo_snimky z_portalu
check "the portal used" grep -q '^screen: .* (portal, 1024 x 768)$' cas || cat cas
check "the portal's picture removed" test ! -e /tmp/out.png
vysledok
