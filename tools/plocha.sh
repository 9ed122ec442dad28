# Helpers to run Zentrivo.exe under Wine on a virtual X display with a known desktop picture.
# Sourced (not run) by tools/run.sh and the end-to-end tests; every function is prefixed zv_.

export WINEDEBUG=${WINEDEBUG:--all}

# Runs "$@" every 0.1 s until it succeeds or $1 seconds have passed; 1 on timeout.
zv_cakaj() {
  local limit=$1 i=0
  shift
  local kroky=$((limit * 10))
  until "$@" >/dev/null 2>&1; do
    i=$((i + 1))
    [ "$i" -ge "$kroky" ] && return 1
    sleep 0.1
  done
  return 0
}

# Starts Xvfb of W x H pixels on a display number the server picks itself; sets DISPLAY.
zv_xvfb_start() {
  local w=$1 h=$2 log=$3
  local cislo
  cislo=$(mktemp)
  Xvfb -displayfd 9 -screen 0 "${w}x${h}x24" -nolisten tcp -noreset 9>"$cislo" >"$log" 2>&1 &
  ZV_XVFB_PID=$!
  if ! zv_cakaj 10 test -s "$cislo"; then
    echo "Xvfb did not start (see $log)" >&2
    rm -f "$cislo"
    return 1
  fi
  export DISPLAY=":$(head -n1 "$cislo")"
  rm -f "$cislo"
}

zv_xvfb_stop() {
  if [ -n "${ZV_XVFB_PID:-}" ]; then
    kill "$ZV_XVFB_PID" 2>/dev/null || true
    wait "$ZV_XVFB_PID" 2>/dev/null || true
    ZV_XVFB_PID=
  fi
}

# Ends the wineserver of the current WINEPREFIX, and with it every program in it.
zv_wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1 || true
}

# A template prefix, made once with wineboot: Wine draws the frames itself (Managed = N, so the
# X window is the whole Win32 window rectangle), has its own fonts, and shows no crash dialog.
# Needs DISPLAY.
zv_prefix_vzor() {
  local vzor=$1
  [ -f "$vzor/.hotovy" ] && return 0
  rm -rf "$vzor"
  mkdir -p "$(dirname "$vzor")"
  # No Mono or Gecko install prompts while the prefix is made.
  WINEPREFIX="$vzor" WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >"$vzor.log" 2>&1 || true
  WINEPREFIX="$vzor" wineserver -w
  [ -f "$vzor/user.reg" ] || { echo "wineboot made no prefix (see $vzor.log)" >&2; return 1; }
  # Wine's own fonts (Marlett draws the caption buttons, Tahoma the dialogs' buttons) are not found
  # where this Wine looks for them; a prefix's Fonts folder is always searched.
  cp /usr/share/wine/fonts/*.ttf "$vzor/drive_c/windows/Fonts/" 2>/dev/null || true
  printf '\n[Software\\\\Wine\\\\X11 Driver] 1700000000\n"Managed"="N"\n' >>"$vzor/user.reg"
  printf '\n[Software\\\\Wine\\\\WineDbg] 1700000000\n"ShowCrashDialog"=dword:00000000\n' >>"$vzor/user.reg"
  touch "$vzor/.hotovy"
}

# A fresh prefix at $2, copied from the template $1; sets WINEPREFIX.
zv_prefix_novy() {
  local vzor=$1 cesta=$2
  rm -rf "$cesta"
  cp -a "$vzor" "$cesta" || return 1
  export WINEPREFIX="$cesta"
}

# Starts $1 (a Windows path or file) under Wine in directory $2; sets ZV_PID. The texts are
# Windows-1250, the code page of a Slovak system, which Wine takes from the locale's name.
zv_spusti() {
  local exe=$1 adresar=$2
  (cd "$adresar" && exec env LC_ALL=sk_SK.UTF-8 wine "$exe") >"$adresar/wine.log" 2>&1 &
  ZV_PID=$!
}

# Waits until the process ZV_PID has ended, at most $1 seconds; its exit code goes to ZV_KOD.
zv_cakaj_koniec() {
  local limit=$1
  if ! zv_cakaj "$limit" sh -c "! kill -0 $ZV_PID"; then
    ZV_KOD=timeout
    return 1
  fi
  wait "$ZV_PID"
  ZV_KOD=$?
  return 0
}

# The X window whose name is exactly $1, printed; waits at most $2 seconds.
zv_okno() {
  local nazov=$1 limit=$2
  zv_cakaj "$limit" xdotool search --name "^${nazov}\$" || return 1
  xdotool search --name "^${nazov}\$" | head -n1
}

# Sets X Y W H of the X window $1.
zv_geometria() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  ZV_X=$X ZV_Y=$Y ZV_W=$WIDTH ZV_H=$HEIGHT
}

# The pixel at ($2, $3) of picture $1 as "r,g,b".
zv_pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# Shows picture $1 on the root window, once Wine's desktop process has cleared it; checks one pixel.
zv_plocha() {
  local obraz=$1 skuska
  display -window root "$obraz" >/dev/null 2>&1 || true
  skuska=$(mktemp --suffix=.png)
  import -window root -crop 1x1+0+0 "$skuska" >/dev/null 2>&1
  local vidno ocakavane
  vidno=$(zv_pixel "$skuska" 0 0)
  ocakavane=$(zv_pixel "$obraz" 0 0)
  rm -f "$skuska"
  [ "$vidno" = "$ocakavane" ]
}

# A screenshot of the whole screen to $1.
zv_snimka() {
  import -window root "$1" >/dev/null 2>&1
}

# The sample desktop: a blue-grey background with near-black objects of several shapes and sizes,
# a few of them too small or too sparse for the default settings, and coloured shapes that are
# not grey at all. Drawn without antialiasing so that every pixel is one of the listed colours.
zv_vzorova_plocha() {
  local subor=$1 w=${2:-1024} h=${3:-768}
  convert -size "${w}x${h}" xc:'#3a6e96' +antialias \
    -fill '#101010' -draw 'rectangle 60,60 139,119' \
    -fill '#1c1c1c' -draw 'circle 250,420 250,460' \
    -fill '#080808' -draw 'polygon 820,80 900,200 740,200' \
    -fill '#141414' -draw 'rectangle 700,560 759,619' \
    -fill '#181818' -draw 'rectangle 90,640 99,649' \
    -fill '#0c0c0c' -draw 'rectangle 880,600 979,609' \
    -fill '#1e1e1e' -draw 'rectangle 120,250 169,299' \
    -fill '#3a3a3a' -draw 'rectangle 560,650 619,709' \
    -fill '#c02020' -draw 'rectangle 300,80 379,159' \
    -fill '#20a040' -draw 'circle 940,400 940,440' \
    "$subor"
}

# A desktop with the same coloured shapes and no grey pixel at all.
zv_plocha_bez_sedej() {
  local subor=$1 w=${2:-1024} h=${3:-768}
  convert -size "${w}x${h}" xc:'#3a6e96' +antialias \
    -fill '#c02020' -draw 'rectangle 300,80 379,159' \
    -fill '#20a040' -draw 'circle 940,400 940,440' \
    -fill '#102030' -draw 'rectangle 60,60 139,119' \
    "$subor"
}
