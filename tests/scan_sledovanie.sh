#!/usr/bin/env bash
# zentrivo-scan --watch and --until on a virtual display whose root window is painted again in turn,
# through DAMAGE and by polling: the events of an object added, removed and moved, in text and JSON;
# --until that runs out and one that sees objects painted; --timeout, SIGTERM and a closed pipe
# ending a watch with status 0.
# Usage: scan_sledovanie.sh ZENTRIVO_SCAN DIRECTORY
. "$(dirname "$0")/../tools/postroj.sh"
scan=$1 ZV_LOGY=$2
rm -rf "$ZV_LOGY" && mkdir -p "$ZV_LOGY" && cd "$ZV_LOGY" || exit 1
volby=(--screen --band 4 --min 5)

# maluj SQUARE...: the root shows grey squares 40 pixels wide at the given corners (X,Y) on blue.
maluj() {
  local kresba=()
  for s in "$@"; do kresba+=(-draw "rectangle $s $((${s%,*} + 39)),$((${s#*,} + 39))"); done
  convert -size 320x240 "xc:rgb(0,90,160)" -fill "rgb(128,128,128)" "${kresba[@]}" plocha.png &&
    display -window root plocha.png
}
riadkov() { [ "$(wc -l <"$1")" -ge "$2" ]; }

# Through DAMAGE, and polling on a server without the extension.
pripad() {
  zv_displej 320 240 "${@:2}" || exit 1
  rm -rf "$1" && mkdir "$1" && cd "$1" || exit 1
  local sposob=$1
  # One picture after another, each once both watches have reported the one before.
  maluj 10,10
  "$scan" "${volby[@]}" --watch --rects >text 2>text.err &
  text=$!
  "$scan" "${volby[@]}" --watch --json >json 2>json.err &
  json=$!
  kroky=("10,10 100,100" "100,100" "110,100")
  pocty=(2 3 5)
  nutne "$sposob: the watches report the first picture" zv_cakaj 20 eval 'riadkov text 1 && riadkov json 1'
  for k in 0 1 2; do
    maluj ${kroky[$k]}
    check "$sposob: step $((k + 1)) reported" zv_cakaj 20 eval "riadkov text ${pocty[$k]} && riadkov json ${pocty[$k]}"
  done
  kill -TERM $text
  kill -INT $json
  wait $text
  check "$sposob: SIGTERM: the watch exits with 0" [ $? = 0 ]
  wait $json
  check "$sposob: SIGINT: the watch exits with 0" [ $? = 0 ]
  printf '%s\n' +29,29,10,10,49,49 +119,119,100,100,139,139 -29,29,10,10,49,49 -119,119,100,100,139,139 \
    +129,119,110,100,149,139 >ocakavane
  check "$sposob: added, removed, moved: the events in order, lines whole" cmp -s ocakavane text || diff ocakavane text
  local jq_text='(if .event == "appeared" then "+" else "-" end) + "\(.x),\(.y),\(.left),\(.top),\(.right),\(.bottom)"'
  check "$sposob: --json: valid lines, the same events, time not decreasing" eval '
    jq -e -s "(map(.time) | . == sort) and all(.image == \"screen\")" json >/dev/null &&
    diff <(jq -r "$jq_text" json) text'
  check "$sposob: nothing on standard error" eval '! [ -s text.err ] && ! [ -s json.err ]'

  # --until: an empty screen for the whole timeout, and one painted half a second after the start.
  maluj
  zaciatok=$(date +%s%N)
  "$scan" "${volby[@]}" --until 1 --timeout 2 >prazdna
  kod=$?
  ms=$((($(date +%s%N) - zaciatok) / 1000000))
  check "$sposob: --until on an empty screen: exit 1, nothing printed, after the timeout ($ms ms)" \
    eval '[ $kod = 1 ] && ! [ -s prazdna ] && [ $ms -ge 1990 ]'
  (sleep 0.5 && maluj 50,60 200,20) &
  maliar=$!
  "$scan" "${volby[@]}" --until 2 --timeout 20 --rects >objekty
  kod=$?
  wait $maliar
  "$scan" "${volby[@]}" --rects >obrazovka
  "$scan" --screen --colour 128,128,128 --min 5 --rects >farba
  check "$sposob: --colour of the squares finds what their band finds" cmp -s farba obrazovka
  check "$sposob: --until 2: exit 0 once the objects are painted, printed as --screen prints them" \
    eval '[ $kod = 0 ] && [ "$(wc -l <objekty)" = 2 ] && cmp -s objekty obrazovka'

  # A watch ends with status 0 when its time runs out, and when its reader leaves.
  "$scan" "${volby[@]}" --watch --timeout 0.3 >do_casu
  kod=$?
  check "$sposob: --watch --timeout: exit 0 with the first search's objects" eval '[ $kod = 0 ] && [ "$(wc -l <do_casu)" = 2 ]'
  timeout 20 "$scan" "${volby[@]}" --watch | head -n 1 >prvy
  check "$sposob: --watch | head -1: the watch ends, exit 0" [ "${PIPESTATUS[0]}" = 0 ]
  cd ..
}
pripad damage
pripad polling -extension DAMAGE
vysledok
