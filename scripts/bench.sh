#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine; each prints its own figures
# beside a baseline measured in the same run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" win64 bench_restore bench_project_file >/dev/null
build="$root/build/win64"
export VELLORA_WINEPREFIX="$build/wineprefix"
"$root/cmake/wine-prefix.sh"
for bench in bench_restore bench_project_file; do
  echo "== $bench"
  "$root/cmake/wine-run.sh" "$build/bench/$bench.exe"
done
