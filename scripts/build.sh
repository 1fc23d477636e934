#!/usr/bin/env bash
# Configures and builds one of the project's builds into build/<name>.
#   scripts/build.sh native   pure core + tests + fuzzers (clang, ASan/UBSan)
#   scripts/build.sh win64    plug-in DLL, stand-in host, tests (mingw-w64)
#   scripts/build.sh win32    the same, 32-bit, compiled only
# Extra arguments are passed to the build tool (for example a target name).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
name=$1; shift
jobs=$(nproc)
case "$name" in
  native) args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
  win64) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake") ;;
  win32) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake") ;;
  *) echo "unknown build: $name" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$root/build/$name" "${args[@]}" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "$root/build/$name" -j "$jobs" --target "$@"
else
  cmake --build "$root/build/$name" -j "$jobs"
fi
