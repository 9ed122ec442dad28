# The one harness, sourced by the run, test and benchmark scripts and the end-to-end cases: which build
# Wine runs and its environment, a virtual display, a Wine prefix copied from a template, a known picture
# on the root window, waiting, checks, and the end of whatever these start when the script exits.

# Every script that sources this runs strictly: an unset variable is an error, and a pipe fails
# when any of its commands does.
set -uo pipefail
ZV_KOREN=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# A kernel that runs 32-bit programs runs the product, the 32-bit build, under 32-bit Wine, where the
# set-up could install it (wine32 is an i386 package, which a mirror part-way through a sync may not
# give). Elsewhere the 64-bit build of the same tree runs under 64-bit Wine, whose loader tools/wine64
# puts on PATH under the names that scripts and Wine's own commands call: Debian's wine takes the 32-bit
# loader whenever it is installed.
zv_jadro32() { "${ZV_ZAVADZAC32:-/lib/ld-linux.so.2}" --version >/dev/null 2>&1; }
zv_nainstalovany() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
if zv_jadro32 && zv_nainstalovany wine32; then
  ZV_WIN_PRESET=windows WINEARCH=win32
else
  ZV_WIN_PRESET=windows64 WINEARCH=win64
  case ":$PATH:" in *":$ZV_KOREN/tools/wine64:"*) ;; *) PATH="$ZV_KOREN/tools/wine64:$PATH" ;; esac
fi
# No Mono or Gecko install prompts when a prefix is made.
export WINEARCH WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
ZV_STROM=$(cd "$ZV_KOREN" && realpath -m "${ZENTRIVO_WIN_BUILD:-build/$ZV_WIN_PRESET}") # the Windows build tree
# The program's texts are Windows-1250, which Wine takes from the locale's name.
ZV_JAZYK=sk_SK.UTF-8
ZV_LOGY=$ZV_KOREN/build/wine-logy # the logs of the display, the prefix and the programs
ZV_PIDY="" ZV_XVFB="" ZV_PREFIX="" ZV_DRZAC="" ZV_SWAY_ADR="" CHYBY=0

zv_koniec() {
  local rc=$?
  set +e
  kill $ZV_PIDY 2>/dev/null
  # Every Wine program of the prefix ends with its server.
  [ -n "$ZV_PREFIX" ] && WINEPREFIX=$ZV_PREFIX wineserver -k 2>/dev/null
  kill $ZV_XVFB 2>/dev/null
  wait 2>/dev/null
  [ -z "$ZV_SWAY_ADR" ] || rm -rf "$ZV_SWAY_ADR"
  exit "$rc"
}
trap zv_koniec EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# check NAME COMMAND...: one named check, reported either way; nutne: one the script cannot go on
# without; vysledok ends the script, failing when a check failed.
check() {
  "${@:2}" && echo "ok   - $1" && return
  echo "FAIL - $1"
  CHYBY=$((CHYBY + 1))
  return 1
}
nutne() { check "$@" || { echo "cannot go on"; exit 1; }; }
vysledok() {
  [ "$CHYBY" = 0 ] && echo "all checks passed" || echo "$CHYBY check(s) failed"
  exit $((CHYBY > 0))
}

# Runs "${@:2}" every 0.1 s until it succeeds, for at most $1 seconds.
zv_cakaj() {
  local kroky=$(($1 * 10))
  until "${@:2}" >/dev/null 2>&1; do
    ((--kroky > 0)) || return 1
    sleep 0.1
  done
}

# An Xvfb screen of $1 x $2 pixels, on a display number it picks itself, in place of the script's last one;
# 24 bits deep unless ZV_HLBKA says another depth (16, 30).
zv_displej() {
  [ -z "$ZV_XVFB" ] || { kill "$ZV_XVFB" && wait "$ZV_XVFB"; } 2>/dev/null || true
  ZV_SIRKA=$1 ZV_VYSKA=$2
  mkdir -p "$ZV_LOGY"
  : >"$ZV_LOGY/displej"
  Xvfb -displayfd 3 -screen 0 "${1}x${2}x${ZV_HLBKA:-24}" -nolisten tcp -noreset "${@:3}" 3>"$ZV_LOGY/displej" >"$ZV_LOGY/xvfb.log" 2>&1 &
  ZV_XVFB=$!
  zv_cakaj 20 test -s "$ZV_LOGY/displej" || { echo "Xvfb did not start, see $ZV_LOGY/xvfb.log" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$ZV_LOGY/displej")"
  unset WAYLAND_DISPLAY # the programs read this display, not a Wayland session's
}

# The template prefix $1, made once with wineboot on the display: Wine draws the frames itself
# (Managed = N, so the X window is the whole Win32 window rectangle), has its own fonts, and shows no
# crash dialog.
zv_vzor() {
  [ -f "$1/.hotovy" ] && return 0
  rm -rf "$1"
  WINEPREFIX=$1 wineboot -i >"$1.log" 2>&1
  WINEPREFIX=$1 wineserver -w
  [ -f "$1/user.reg" ] || { echo "wineboot made no prefix, see $1.log" >&2; return 1; }
  # Marlett draws the caption buttons and Tahoma the dialogs' buttons; this Wine does not look for
  # its own fonts where they are installed, but a prefix's Fonts folder is always searched.
  cp /usr/share/wine/fonts/*.ttf "$1/drive_c/windows/Fonts/" 2>/dev/null
  printf '\n[Software\\\\Wine\\\\X11 Driver] 1700000000\n"Managed"="N"\n' >>"$1/user.reg"
  printf '\n[Software\\\\Wine\\\\WineDbg] 1700000000\n"ShowCrashDialog"=dword:00000000\n' >>"$1/user.reg"
  touch "$1/.hotovy"
}

# A fresh prefix at $1, a copy of the template, with its server kept up until the end; sets WINEPREFIX.
# The copy is hard links where it can be (the template takes 700 MB), but for the registry files, which
# a script may append to: Wine itself writes a file anew rather than in place.
zv_prefix() {
  local vzor=$ZV_KOREN/build/wine-vzor-$WINEARCH p
  mkdir -p "$ZV_KOREN/build" "$(dirname "$1")"
  (flock 8 && zv_vzor "$vzor") 8>"$vzor.lock" || return 1
  # The server of this script's last prefix, or one an earlier run left in the folder, ends first.
  for p in "$ZV_PREFIX" "$1"; do [ ! -d "$p" ] || WINEPREFIX=$p wineserver -k 2>/dev/null || true; done
  rm -rf "$1"
  { cp -al "$vzor" "$1" 2>/dev/null || { rm -rf "$1" && cp -a "$vzor" "$1"; }; } || return 1
  cp --remove-destination "$vzor"/*.reg "$1"/ || return 1
  ZV_PREFIX=$(realpath "$1") ZV_DRZAC="" # Wine takes absolute prefix paths only
  export WINEPREFIX=$ZV_PREFIX
  wineserver -p >"$ZV_LOGY/wineserver.log" 2>&1
}

# Shows picture $1, tiled over the whole screen, on the root window, and checks that the root shows it.
# Wine's desktop process clears the root when it starts and ends with the last Wine program, so in a
# prefix a holder program keeps it up first.
zv_plocha() {
  convert -size "${ZV_SIRKA}x$ZV_VYSKA" "tile:$1" "$ZV_LOGY/plocha_cela.png" || return 1
  local drzac=$ZV_STROM/tests/win_drzac_plochy.exe
  if [ -n "$ZV_PREFIX" ] && [ -z "$ZV_DRZAC" ]; then
    [ -f "$drzac" ] || { echo "no $drzac: build the Windows tests too" >&2; return 1; }
    wine "$drzac" >"$ZV_LOGY/drzac.log" 2>&1 &
    ZV_DRZAC=$! ZV_PIDY="$ZV_PIDY $!"
    zv_cakaj 60 grep -q '^desktop' "$ZV_LOGY/drzac.log" || { echo "Wine's desktop did not start" >&2; return 1; }
  fi
  zv_cakaj 10 zv_koren_ukazuje "$ZV_LOGY/plocha_cela.png" || { echo "the root window does not show $1" >&2; return 1; }
}
# display exits with 1 even when it has painted the root, so the root is read back and compared, as raw
# RGB bytes: ImageMagick's resource limits here stop compare on screens of 8K and more.
zv_koren_ukazuje() {
  display -window root "$1"
  cmp -s <(convert "$1" -depth 8 rgb:-) <(import -window root -depth 8 rgb:-)
}

# A $1 x $2 screen, a fresh prefix in $ZV_LOGY/prefix, and on the root picture $3, or the one that
# "$3 $ZV_LOGY/plocha.png $1 $2" draws (zv_vzorova_plocha).
zv_postroj() {
  local obraz=$3
  zv_displej "$1" "$2" || return 1
  [ -f "$obraz" ] || { obraz=$ZV_LOGY/plocha.png && "$3" "$obraz" "$1" "$2"; } || return 1
  zv_prefix "$ZV_LOGY/prefix" && zv_plocha "$obraz"
}

# Starts Zentrivo.exe in folder $1 and waits for its window: ZV_PID, ZV_OKNO.
zv_zentrivo() {
  mkdir -p "$1"
  (cd "$1" && exec env LC_ALL=$ZV_JAZYK wine "$ZV_STROM/Zentrivo.exe") >"$1/wine.log" 2>&1 &
  ZV_PID=$!
  zv_cakaj 60 xdotool search --name '^ Objekty$' || { echo "no window, see $1/wine.log" >&2; return 1; }
  ZV_OKNO=$(xdotool search --name '^ Objekty$' | head -n1)
}

# Waits at most $1 seconds until the program has ended; its exit code goes to ZV_KOD.
zv_cakaj_koniec() {
  ZV_KOD=timeout
  zv_cakaj "$1" eval "! kill -0 $ZV_PID" || return 1
  wait "$ZV_PID" && ZV_KOD=0 || ZV_KOD=$?
}

# Sets ZV_X, ZV_Y, ZV_W and ZV_H of the X window $1.
zv_geometria() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  ZV_X=$X ZV_Y=$Y ZV_W=$WIDTH ZV_H=$HEIGHT
}

# The sample desktop $2 x $3 to file $1: a blue-grey background with near-black objects of several
# shapes and sizes, a few too small or too sparse for the default settings, and coloured shapes that
# are not grey at all. No antialiasing, so that every pixel is one of the listed colours.
zv_vzorova_plocha() {
  convert -size "${2}x$3" xc:'#3a6e96' +antialias \
    -fill '#101010' -draw 'rectangle 60,60 139,119' -fill '#1c1c1c' -draw 'circle 250,420 250,460' \
    -fill '#080808' -draw 'polygon 820,80 900,200 740,200' -fill '#141414' -draw 'rectangle 700,560 759,619' \
    -fill '#181818' -draw 'rectangle 90,640 99,649' -fill '#0c0c0c' -draw 'rectangle 880,600 979,609' \
    -fill '#1e1e1e' -draw 'rectangle 120,250 169,299' -fill '#3a3a3a' -draw 'rectangle 560,650 619,709' \
    -fill '#c02020' -draw 'rectangle 300,80 379,159' -fill '#20a040' -draw 'circle 940,400 940,440' "$1"
}

# RandR monitors in place of the display's one, each "NAME WxH+X+Y", the first holding the screen's
# output (Xvfb keeps them while it runs: -noreset).
zv_monitory() {
  local m vystup=screen
  for m in "$@"; do
    read -r meno g <<<"$m"
    [[ $g =~ ^([0-9]+)x([0-9]+)\+(-?[0-9]+)\+(-?[0-9]+)$ ]] || return 1
    xrandr --setmonitor "$meno" "${BASH_REMATCH[1]}/100x${BASH_REMATCH[2]}/100+${BASH_REMATCH[3]}+${BASH_REMATCH[4]}" $vystup \
      >/dev/null || return 1
    vystup=none
  done
}

# A headless sway whose one output HEADLESS-1 shows picture $1 at its own size, with no XWayland. sway
# refuses to run as root: root runs it as the system user zv-sway (made the first time), in a runtime
# directory of its own that goes at the end. Sets WAYLAND_DISPLAY, XDG_RUNTIME_DIR and SWAYSOCK.
zv_sway() {
  local a=() v
  [ "$(id -u)" != 0 ] || {
    id zv-sway >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin zv-sway || return 1
    a=(setpriv --reuid zv-sway --regid zv-sway --clear-groups)
  }
  ZV_SWAY_ADR=$(mktemp -d /tmp/zv-sway.XXXXXX) && cp "$1" "$ZV_SWAY_ADR/pozadie.png" || return 1
  v=$(identify -format '%wx%h' "$1") || return 1
  printf 'xwayland disable\noutput HEADLESS-1 resolution %s position 0 0 bg %s stretch\n' "$v" \
    "$ZV_SWAY_ADR/pozadie.png" >"$ZV_SWAY_ADR/config"
  [ "$(id -u)" != 0 ] || chown -R zv-sway "$ZV_SWAY_ADR"
  "${a[@]}" env -i PATH="$PATH" XDG_RUNTIME_DIR="$ZV_SWAY_ADR" WLR_BACKENDS=headless WLR_RENDERER=pixman \
    WLR_LIBINPUT_NO_DEVICES=1 sway -c "$ZV_SWAY_ADR/config" >"$ZV_LOGY/sway.log" 2>&1 &
  ZV_PIDY="$ZV_PIDY $!"
  export XDG_RUNTIME_DIR=$ZV_SWAY_ADR WAYLAND_DISPLAY=wayland-1
  zv_cakaj 20 eval 'export SWAYSOCK=$(ls "$ZV_SWAY_ADR"/sway-ipc.*.sock) && swaymsg -t get_outputs' ||
    { echo "sway did not start, see $ZV_LOGY/sway.log" >&2; return 1; }
  zv_cakaj 10 zv_vystup_ukazuje HEADLESS-1 "$1" || { echo "HEADLESS-1 does not show $1" >&2; return 1; }
}
# Whether sway's output $1 shows picture $2, compared as raw RGB bytes.
zv_vystup_ukazuje() {
  cmp -s <(convert "$2" -depth 8 rgb:-) <(grim -t ppm -o "$1" - | convert ppm:- -depth 8 rgb:-)
}
# Shows picture $2 at its own size on sway's output $1, and checks that the output shows it.
zv_sway_pozadie() {
  local v
  v=$(identify -format '%wx%h' "$2") && cp "$2" "$ZV_SWAY_ADR/$1.png" || return 1
  [ "$(id -u)" != 0 ] || chown zv-sway "$ZV_SWAY_ADR/$1.png" || return 1
  swaymsg output "$1" resolution "$v" bg "$ZV_SWAY_ADR/$1.png" stretch >/dev/null || return 1
  zv_cakaj 10 zv_vystup_ukazuje "$1" "$2" || { echo "$1 does not show $2" >&2; return 1; }
}
# One more output of that sway, the next HEADLESS-N, at desktop point ($2, $3), showing picture $1.
zv_sway_vystup() {
  local n
  n=$(swaymsg -t get_outputs | jq length) && swaymsg create_output >/dev/null &&
    swaymsg -- output "HEADLESS-$((n + 1))" position "$2" "$3" >/dev/null && zv_sway_pozadie "HEADLESS-$((n + 1))" "$1"
}

# A private session bus, its address in DBUS_SESSION_BUS_ADDRESS, ended with the script. With "bare"
# it starts no service of the system's on demand (an installed portal among them).
zv_zbernica() {
  local konfig=(--session)
  : >"$ZV_LOGY/zbernica"
  [ "${1:-}" != bare ] || {
    printf '%s\n' '<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>' \
      '<policy context="default"><allow send_destination="*"/><allow receive_sender="*"/><allow own="*"/></policy>' \
      '</busconfig>' >"$ZV_LOGY/bus.conf"
    konfig=(--config-file="$ZV_LOGY/bus.conf")
  }
  dbus-daemon "${konfig[@]}" --nofork --nopidfile --print-address=3 3>"$ZV_LOGY/zbernica" >"$ZV_LOGY/dbus.log" 2>&1 &
  ZV_PIDY="$ZV_PIDY $!"
  zv_cakaj 10 test -s "$ZV_LOGY/zbernica" || { echo "dbus-daemon did not start, see $ZV_LOGY/dbus.log" >&2; return 1; }
  export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$ZV_LOGY/zbernica")
}
# A stand-in of kind $1, "${@:2}" (tests/portal_nahrada.cpp, tests/kompozitor_nahrada.cpp), in place of
# the last one of that kind, its lines in $ZV_LOGY/$1.log (emptied first: the last one's "ready" does
# not count); waited for until it says it is ready. zv_portal puts the portal on the bus above;
# zv_kompozitor runs the compositor "$1 SOCKET ${@:2}" in a runtime directory of its own and sets
# XDG_RUNTIME_DIR and WAYLAND_DISPLAY.
zv_nahrada() {
  local pid=ZV_NAHRADA_$1
  [ -z "${!pid:-}" ] || { kill "${!pid}" && wait "${!pid}"; } 2>/dev/null
  : >"$ZV_LOGY/$1.log"
  "${@:2}" >>"$ZV_LOGY/$1.log" 2>&1 &
  printf -v "$pid" %s $! && ZV_PIDY="$ZV_PIDY $!"
  zv_cakaj 10 grep -q '^ready' "$ZV_LOGY/$1.log" || { echo "the stand-in $1 did not start" >&2; return 1; }
}
zv_portal() { zv_nahrada portal "$@"; }
zv_kompozitor() {
  mkdir -p -m 700 "$ZV_LOGY/beh" && export XDG_RUNTIME_DIR=$ZV_LOGY/beh WAYLAND_DISPLAY=nahrada-0 &&
    zv_nahrada kompozitor "$1" "$WAYLAND_DISPLAY" "${@:2}"
}
# The real desktop portal for the sway above, on the bus above: the services it activates see sway's
# environment; pipewire runs, without which the wlr backend does not start; xdg-desktop-portal-gtk
# implements the Access interface that the portal's Screenshot needs (XDG_CURRENT_DESKTOP names GNOME
# too, and no accessibility bus). The portal is started and waited for here: its first start takes
# about 10 s, which a desktop's running portal has long behind it. zv_portal_povol yes|no sets the
# screenshot permission, so that no dialog is asked.
zv_portal_wlr() {
  export XDG_CURRENT_DESKTOP=sway:GNOME NO_AT_BRIDGE=1 GTK_A11Y=none
  dbus-update-activation-environment XDG_RUNTIME_DIR WAYLAND_DISPLAY XDG_CURRENT_DESKTOP NO_AT_BRIDGE GTK_A11Y ||
    return 1
  pipewire >"$ZV_LOGY/pipewire.log" 2>&1 &
  ZV_PIDY="$ZV_PIDY $!"
  zv_cakaj 10 test -S "$XDG_RUNTIME_DIR/pipewire-0" || { echo "pipewire did not start" >&2; return 1; }
  zv_cakaj 40 eval 'dbus-send --session --print-reply --dest=org.freedesktop.portal.Desktop /org/freedesktop/portal/desktop \
    org.freedesktop.DBus.Introspectable.Introspect | grep -q "org.freedesktop.portal.Screenshot"' ||
    { echo "the portal did not start, see $ZV_LOGY/dbus.log" >&2; return 1; }
}
zv_portal_povol() {
  zv_cakaj 20 dbus-send --session --print-reply --dest=org.freedesktop.impl.portal.PermissionStore \
    /org/freedesktop/impl/portal/PermissionStore org.freedesktop.impl.portal.PermissionStore.SetPermission \
    string:screenshot boolean:true string:screenshot string: array:string:"$1"
}
