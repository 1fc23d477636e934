#!/usr/bin/env bash
# Creates the Wine prefix of a build folder once: initialised, with the crash
# dialog off so that a crashing test fails instead of hanging.
set -euo pipefail
: "${VELLORA_WINEPREFIX:?}"
export WINEPREFIX="$VELLORA_WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.vellora-ready" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.vellora-ready"
fi
