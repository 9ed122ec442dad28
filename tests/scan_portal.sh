#!/usr/bin/env bash
# zentrivo-scan --screen through the desktop portal, against a stand-in portal on a private session bus
# (tests/portal_nahrada.cpp): in a Wayland session whose compositor offers no screencopy (a stand-in,
# tests/kompozitor_nahrada.cpp, where built; else one that cannot be reached) it takes the portal,
# finds what the scan of the picture finds and leaves no picture behind. No bus, no portal, a refusal
# and a portal that never answers (while another program answers in its place, naming a file that
# must not be removed): exit 2, one line each.
# Usage: scan_portal.sh ZENTRIVO_SCAN STAND_IN PICTURE DIRECTORY [STAND_IN_COMPOSITOR]
. "$(dirname "$0")/../tools/postroj.sh"
scan=$1 nahrada=$2 obraz=$3 ZV_LOGY=$4 kompozitor=${5:-}
rm -rf "$ZV_LOGY" && mkdir -p "$ZV_LOGY/obrazky" && cd "$ZV_LOGY" || exit 1
unset DISPLAY
export WAYLAND_DISPLAY=ziadny
if [ -n "$kompozitor" ]; then
  zv_kompozitor "$kompozitor" || exit 1
  check "no screencopy: the outputs still listed" \
    [ "$("$scan" --list-monitors | jq -c '[.name, .width, .height]')" = '["STAND-IN-1",800,600]' ]
fi

# skonci TEXT ARGUMENTS...: exit 2 and one standard-error line holding TEXT.
skonci() {
  "$scan" "${@:2}" >out 2>err
  [ $? = 2 ] && [ ! -s out ] && [ "$(wc -l <err)" = 1 ] && grep -q "$1" err && return
  tail -n +1 out err
  return 1
}
check "no session bus" eval 'DBUS_SESSION_BUS_ADDRESS=unix:path=$PWD/ziadna skonci "no session bus" --screen=portal'
zv_zbernica bare || exit 1
check "no portal" skonci "no desktop portal" --screen=portal

zv_portal "$nahrada" answers "$obraz" "$PWD/obrazky" || exit 1
"$scan" --rects "$obraz" >zo_suboru
"$scan" --rects --time --screen >z_portalu 2>cas
check "the portal's picture: what the file gives" diff zo_suboru z_portalu
check "the portal taken" grep -q '^screen: .* (portal, ' cas || cat cas
check "no picture left behind" [ -z "$(ls obrazky)" ]

zv_portal "$nahrada" refuses || exit 1
check "refused: says how to allow it" skonci "refused.*permission" --screen
zv_portal "$nahrada" impostor "$obraz" "$PWD/obrazky" || exit 1
check "never answers" skonci "did not answer" --screen=portal
check "never answers: the request closed" grep -q '^closed' portal.log
check "never answers: the file another program named is left alone" test -s obrazky/Screenshot.png
vysledok
