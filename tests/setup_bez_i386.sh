#!/usr/bin/env bash
# The set-up's choice of packages against a stand-in apt-get: where the i386 packages cannot be had it
# installs the 64-bit set and the harness takes the 64-bit build; where they can, the 32-bit set and
# build; a package that cannot be had at all stops it with apt's message. The kernel is taken as one
# that runs 32-bit programs. Usage: setup_bez_i386.sh DIRECTORY
. "$(dirname "$0")/../tools/postroj.sh"
d=$1
rm -rf "$d" && mkdir -p "$d/bin" || exit 1
# apt-get records what it installs and refuses the packages named in $d/odmieta; dpkg-query knows
# what it installed; every index update fails, as on a mirror part-way through a sync.
cat >"$d/bin/apt-get" <<KONIEC
#!/bin/sh
case " \$* " in *" update "*) echo "E: Failed to fetch binary-i386/Packages.xz" >&2; exit 100 ;; esac
for p; do grep -qx -- "\$p" "$d/odmieta" && { echo "E: Unable to locate package \$p" >&2; exit 100; }; done
printf '%s\n' "\$@" | grep -v '^-' | grep -vx install >>"$d/nainstalovane"
KONIEC
cat >"$d/bin/dpkg-query" <<KONIEC
#!/bin/sh
for p; do :; done
grep -qx -- "\$p" "$d/nainstalovane" 2>/dev/null && printf 'install ok installed'
KONIEC
printf '#!/bin/sh\n[ "$1" = --print-foreign-architectures ] && echo i386\nexit 0\n' >"$d/bin/dpkg"
printf '#!/bin/sh\nexec "$@"\n' >"$d/bin/sudo"
chmod +x "$d"/bin/*

# nastav ODMIETNUTE...: a fresh machine whose apt refuses those packages; the set-up's exit code goes to
# ZV_KOD, its standard error to $d/err, and the build the harness then takes to ZV_CESTA.
nastav() {
  rm -f "$d/nainstalovane" && printf '%s\n' "$@" >"$d/odmieta"
  export PATH="$d/bin:$PATH" ZV_ZAVADZAC32=/bin/true
  "$ZV_KOREN/tools/setup.sh" >/dev/null 2>"$d/err" && ZV_KOD=0 || ZV_KOD=$?
  ZV_CESTA=$(bash -c ". '$ZV_KOREN/tools/postroj.sh' && echo \$ZV_WIN_PRESET")
}
nainstaloval() { grep -qx -- "$1" "$d/nainstalovane"; }

nastav wine32
check "no i386: the set-up succeeds" [ "$ZV_KOD" = 0 ]
check "no i386: the 64-bit set, no wine32" eval 'nainstaloval wine64 && nainstaloval g++-mingw-w64-x86-64-posix && ! nainstaloval wine32'
check "no i386: said in one line" [ "$(grep -c '32-bit Wine' "$d/err")" = 1 ]
check "no i386: the harness takes the 64-bit build" [ "$ZV_CESTA" = windows64 ]
nastav
check "i386 there: the 32-bit set" eval 'nainstaloval wine32 && ! nainstaloval wine64'
check "i386 there: the harness takes the 32-bit build" [ "$ZV_CESTA" = windows ]
nastav xdotool
check "a package that cannot be had: the set-up fails with apt's message" \
  eval '[ "$ZV_KOD" != 0 ] && grep -q "Unable to locate package xdotool" "$d/err"'
vysledok
