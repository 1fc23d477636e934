#!/usr/bin/env bash
# The main job as a user lives it: the stand-in host loads the real plug-in
# DLL under Wine. Works without a display (a virtual one is started).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" win64 Vellora standin_host >/dev/null
build="$root/build/win64"
export VELLORA_WINEPREFIX="$build/wineprefix"
"$root/cmake/wine-prefix.sh"
run=("$root/cmake/wine-run.sh" "$build/standin/standin_host.exe" --demo "$build/plugin/Vellora.api")
if [ -n "${DISPLAY:-}" ]; then "${run[@]}"; else xvfb-run -a "${run[@]}"; fi
