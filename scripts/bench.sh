#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine; each prints its own figures
# beside a baseline measured in the same run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" win64 bench_restore bench_project_file bench_autosave bench_window >/dev/null
build="$root/build/win64"
export VELLORA_WINEPREFIX="$build/wineprefix"
"$root/cmake/wine-prefix.sh"
for bench in bench_restore bench_project_file bench_autosave bench_window; do
  echo "== $bench"
  # The window bench shows windows: on a virtual display.
  xvfb-run -a -s "-screen 0 1280x1024x24" "$root/cmake/wine-run.sh" "$build/bench/$bench.exe"
done
