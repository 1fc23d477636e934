#!/usr/bin/env bash
# Creates the Wine prefix of a build folder once: initialised, with the crash
# dialog off so that a crashing test fails instead of hanging. Windows get
# their caption bars drawn by Wine (there is no window manager on a virtual
# display), and the symbol font of the caption buttons is in the prefix's
# font folder, where this Wine looks for it.
set -euo pipefail
: "${VELLORA_WINEPREFIX:?}"
export WINEPREFIX="$VELLORA_WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.vellora-ready-2" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  wineserver -w
  touch "$WINEPREFIX/.vellora-ready-2"
fi
