#!/usr/bin/env bash
# Runs a Windows program under Wine in the build folder's own prefix.
# The prefix is made by wine-prefix.sh before the tests (a CTest fixture).
set -euo pipefail
: "${VELLORA_WINEPREFIX:?VELLORA_WINEPREFIX must name the build folder prefix}"
export WINEPREFIX="$VELLORA_WINEPREFIX"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
