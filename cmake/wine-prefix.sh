#!/usr/bin/env bash
# Creates the Wine prefix of a build folder: initialised, with the crash
# dialog off so that a crashing test fails instead of hanging. Windows get
# their caption bars drawn by Wine (there is no window manager on a virtual
# display), and the symbol font of the caption buttons is in the prefix's
# font folder, where this Wine looks for it.
#
# A prefix fits only the Wine it was made with: one made before wine32 was
# installed no longer starts once it is ("could not load kernel32.dll"). The
# ready-mark therefore records which Wine packages were installed when the
# prefix was made, and a prefix whose mark differs from what is installed now
# is made again.
set -euo pipefail
: "${VELLORA_WINEPREFIX:?}"
export WINEPREFIX="$VELLORA_WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mark="$WINEPREFIX/.vellora-ready"

installed_wine() {
  if command -v dpkg-query >/dev/null; then
    dpkg-query -W -f='${db:Status-Abbrev}${binary:Package}=${Version}\n' 'wine*' 'libwine*' 2>/dev/null |
      grep '^ii' | sort || true
  fi
  wine --version 2>/dev/null || true
}
wanted=$(installed_wine)

if [ ! -f "$mark" ] || [ "$(cat "$mark")" != "$wanted" ]; then
  if [ -d "$WINEPREFIX" ]; then
    echo "== The Wine prefix $WINEPREFIX was made for another Wine installation: making it again" >&2
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  wineserver -w
  printf '%s\n' "$wanted" >"$mark"
fi
